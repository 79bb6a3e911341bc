#include "zrt/interfacelanguage.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "zrt/osutilities.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace Zarnet {

namespace {

QString english()
{
    return QStringLiteral("en");
}

struct State
{
    QString option;
    bool active = false;
    QString language;
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

// Function-local: hosts load this library, and it must not construct globals.
State &state()
{
    static auto *state = new State;
    return *state;
}

QString menuLanguage()
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> settings;
    std::string value;
    if (!kvds::CreateSettings("Settings/" + OSUtilities::getComponentIdUTF8() + "/Languages",
            kvds::ReadUserAndMachine, &settings)
        || !settings->GetString(std::string("MenuLanguage"), value))
        return {};
    return QString::fromStdString(value).trimmed();
}

QString resourceFor(const QString &language)
{
    return QStringLiteral(":/i18n/kavo_") + language + QStringLiteral(".qm");
}

} // namespace

void InterfaceLanguage::takeOption(int &argc, char **argv)
{
    state().option.clear();
    int kept = 1;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        if (options && std::strcmp(argv[i], "--") == 0)
            options = false;
        if (options && std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            state().option = QString::fromLocal8Bit(argv[++i]).trimmed();
            continue;
        }
        if (options && std::strncmp(argv[i], "--lang=", 7) == 0) {
            state().option = QString::fromLocal8Bit(argv[i] + 7).trimmed();
            continue;
        }
        argv[kept++] = argv[i];
    }
    if (kept < argc)
        argv[kept] = nullptr;
    argc = kept;
    if (!state().option.isEmpty())
        qputenv("KAVO_LANGUAGE", state().option.toLocal8Bit());
}

QString InterfaceLanguage::requested()
{
    if (!state().option.isEmpty())
        return state().option;
    const QString fromEnv = qEnvironmentVariable("KAVO_LANGUAGE").trimmed();
    if (!fromEnv.isEmpty())
        return fromEnv;
    const QString setting = menuLanguage();
    if (!setting.isEmpty() && setting.compare(QLatin1String("system"), Qt::CaseInsensitive) != 0)
        return setting;
    return QLocale().name();
}

QString InterfaceLanguage::available(const QString &code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return english();
    // Simplified Chinese wherever it is written (zh_SG too); Traditional has none.
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::SimplifiedHanScript
                && QFile::exists(resourceFor(QStringLiteral("zh_CN")))
            ? QStringLiteral("zh_CN")
            : english();
    for (QString name : locale.uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            if (QFile::exists(resourceFor(name)))
                return name;
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut <= 0)
                break;
            name.truncate(cut);
        }
    }
    return english();
}

QString InterfaceLanguage::install()
{
    uninstall();
    State &s = state();
    if (!QCoreApplication::instance())
        return current();
    s.active = true;
    s.language = available(requested());
    // English too: its file holds the plural forms of the texts that count.
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(resourceFor(s.language)) || !QCoreApplication::installTranslator(ours.get())) {
        s.language = english();
        return s.language;
    }
    s.ours = std::move(ours);
    if (s.language == english())
        return s.language;
    // Qt's own texts (standard buttons, file dialogs); missing ones leave them English.
    auto qts = std::make_unique<QTranslator>();
    if (qts->load(QLocale(s.language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(qts.get()))
        s.qts = std::move(qts);
    return s.language;
}

void InterfaceLanguage::uninstall()
{
    State &s = state();
    if (s.ours)
        QCoreApplication::removeTranslator(s.ours.get());
    if (s.qts)
        QCoreApplication::removeTranslator(s.qts.get());
    s.ours.reset();
    s.qts.reset();
    s.active = false;
    s.language.clear();
}

QString InterfaceLanguage::current()
{
    return state().active ? state().language : available(requested());
}

} // namespace Zarnet
