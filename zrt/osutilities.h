#pragma once

#include "zrt/zrtglobal.h"

#include <QString>

#include <string>

class QWidget;

namespace Zarnet {

class ZRT_EXPORT OSUtilities
{
public:
    // The running application's name, the same for every call of a process:
    // KAVO_COMPONENT_ID when set, else "KavoPlayer".
    static std::string getComponentIdUTF8();
    // The interface language loaded, e.g. "ja", "zh" or "de"; "en" when the
    // chosen one has no translation (see InterfaceLanguage).
    static QString getLanguageCode();
    // Rewrites em and ex lengths in the widget's style sheet as pixels of its font.
    static void FixEmExStyleSheet(QWidget *widget);
};

} // namespace Zarnet
