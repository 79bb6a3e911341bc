// The interface language: how each process chooses it, and what the pane and
// its dialogs then show.
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/createtransferdevicedialog.h"
#include "zrt/interfacelanguage.h"
#include "zrt/osutilities.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Zarnet::InterfaceLanguage;

namespace {

void setMenuLanguage(const char *value)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> settings;
    ASSERT_TRUE(kvds::CreateSettings(
        "Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/Languages", kvds::CreateUser, &settings));
    ASSERT_TRUE(settings->SetString(std::string("MenuLanguage"), std::string(value)));
}

// Starts the process's language anew: its options, KAVO_LANGUAGE, the
// setting and the locale, then loads what they choose.
QString start(
    std::vector<std::string> arguments, const char *variable, const char *setting, const char *locale)
{
    InterfaceLanguage::uninstall();
    arguments.insert(arguments.begin(), "program");
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = int(argv.size()) - 1;
    if (variable)
        qputenv("KAVO_LANGUAGE", variable);
    else
        qunsetenv("KAVO_LANGUAGE");
    InterfaceLanguage::takeOption(argc, argv.data());
    EXPECT_EQ(argc, 1) << "--lang is left to the program";
    setMenuLanguage(setting);
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    return InterfaceLanguage::install();
}

// Leaves the next test the process's own language.
void restore()
{
    InterfaceLanguage::uninstall();
    qunsetenv("KAVO_LANGUAGE");
    QLocale::setDefault(QLocale::system());
}

} // namespace

TEST(InterfaceLanguage, OptionThenVariableThenSettingThenLocaleAndEnglishWithoutATranslation)
{
    const struct
    {
        std::vector<std::string> arguments;
        const char *variable, *setting, *locale, *loaded, *code;
    } choices[] = {
        { { "--lang", "de" }, "ja", "fr", "es_ES", "de", "de" },
        { { "--lang=zh_CN" }, nullptr, "", "de_DE", "zh_CN", "zh" },
        { {}, "ja", "fr", "de_DE", "ja", "ja" },
        { {}, nullptr, "fr", "de_DE", "fr", "fr" },
        { {}, nullptr, "system", "es_MX", "es", "es" },
        { {}, nullptr, "", "ja_JP", "ja", "ja" },
        { {}, nullptr, "", "zh_SG", "zh_CN", "zh" },
        { {}, "zh_TW", "", "de_DE", "en", "en" },
        { {}, nullptr, "pt_BR", "de_DE", "en", "en" },
        { {}, nullptr, "", "en_US", "en", "en" },
    };
    for (const auto &choice : choices) {
        SCOPED_TRACE(::testing::Message()
            << choice.loaded << " via " << (choice.arguments.empty() ? "" : choice.arguments.back()) << " "
            << (choice.variable ? choice.variable : "-") << " " << choice.setting << " " << choice.locale);
        EXPECT_EQ(start(choice.arguments, choice.variable, choice.setting, choice.locale),
            QLatin1String(choice.loaded));
        EXPECT_EQ(InterfaceLanguage::current(), QLatin1String(choice.loaded));
        EXPECT_EQ(Zarnet::OSUtilities::getLanguageCode(), QLatin1String(choice.code));
        // An option is passed on to the processes this one starts.
        if (!choice.arguments.empty()) {
            EXPECT_EQ(qgetenv("KAVO_LANGUAGE"), QByteArray(choice.loaded));
        }
        // Our texts and Qt's own buttons speak it, or stay English.
        const QString add = QCoreApplication::translate("DevicePane", "Add a Device");
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        const bool english = QLatin1String(choice.loaded) == QLatin1String("en");
        EXPECT_EQ(add == QLatin1String("Add a Device"), english) << add.toStdString();
        EXPECT_EQ(cancel == QLatin1String("Cancel"), english) << cancel.toStdString();
    }
    restore();
}

TEST(InterfaceLanguage, JapaneseFirstRunCreatesTheDefaultDevicesUnderJapaneseNames)
{
    ASSERT_EQ(start({ "--lang", "ja" }, nullptr, "", "en_US"), QLatin1String("ja"));
    {
        PaneHarness harness;
        harness.setUp();
        auto *store = TransferDevicesLibrary::TransferDevices::instance("KavoPlayer");
        ASSERT_EQ(store->count(), 4u);
        const char *defaults[] = { "DVD Player", "Blu-ray Player", "TV", "PlayStation®3" };
        for (unsigned i = 0; i < 4; ++i) {
            const QString expected = QCoreApplication::translate("Zarnet::DevicePane", defaults[i]);
            const std::unique_ptr<TransferDevicesLibrary::TransferDevice> device(store->deviceAt(i));
            ASSERT_NE(device, nullptr);
            EXPECT_EQ(QString::fromStdString(device->name()), expected);
            // Only the console keeps its name in every language.
            EXPECT_EQ(expected == QString::fromUtf8(defaults[i]), i == 3) << expected.toStdString();
        }
    }
    restore();
}

TEST(InterfaceLanguage, AddDialogTakesTenCharactersInJapaneseAndTwentyInGerman)
{
    const struct
    {
        const char *language;
        int limit;
    } cases[] = { { "ja", 10 }, { "de", 20 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_EQ(start({ "--lang", c.language }, nullptr, "", "en_US"), QLatin1String(c.language));
        Zarnet::CreateTransferDeviceDialog dialog(nullptr);
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        auto *typeLabel = dialog.findChild<QLabel *>(QStringLiteral("label_2"));
        ASSERT_NE(name, nullptr);
        ASSERT_NE(typeLabel, nullptr);
        QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxy"));
        EXPECT_EQ(name->text().size(), c.limit);
        EXPECT_NE(typeLabel->text(), QLatin1String("Device Type:"));
        EXPECT_EQ(
            typeLabel->text(), QCoreApplication::translate("CreateTransferDeviceDialog", "Device Type:"));
    }
    restore();
}
