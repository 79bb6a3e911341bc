#pragma once

#include "zrt/zrtglobal.h"

#include <QString>

namespace Zarnet {

// The interface language, chosen one way in every process of the product:
// the --lang option, then KAVO_LANGUAGE, then the player's
// Languages/MenuLanguage setting (empty or "system" for the locale), then the
// system locale. A language without a translation gets English.
class ZRT_EXPORT InterfaceLanguage
{
public:
    // Takes "--lang CODE" or "--lang=CODE" (before any "--") out of argv. The
    // code also goes to KAVO_LANGUAGE, so the processes this one starts (the
    // wizard, the media server) speak the same language.
    static void takeOption(int &argc, char **argv);
    // The code asked for, before any fallback: "ja", "zh_TW", "de_AT", ...
    static QString requested();
    // The translation a code gets: "ja", "zh_CN", ..., or "en" when there is none.
    static QString available(const QString &code);
    // Loads our texts and Qt's own for requested() into the application;
    // answers the language loaded.
    static QString install();
    // Removes what install() loaded; the language follows requested() again.
    static void uninstall();
    // The language in effect: what install() loaded, else what it would load.
    static QString current();
};

} // namespace Zarnet
