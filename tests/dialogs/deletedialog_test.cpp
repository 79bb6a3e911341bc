// The delete dialog and the "Do not ask me again" preference, against a real
// user hive in the test's own folder.
#include "settings/settingsholder.h"
#include "tests/common/scriptedrunner.h"
#include "widgets/deletetransferdevicedialog.h"
#include "zrt/osutilities.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

const char section[] = "General";
const char key[] = "TransferDevicesConfirmDeletions";

// Reads the stored preference through a holder of its own, as another unit would.
std::optional<bool> storedPreference()
{
    kvds::SettingsHolder probe(&Zarnet::OSUtilities::getComponentIdUTF8);
    const bool withTrue = probe.ReadBoolSetting(true, section, key);
    const bool withFalse = probe.ReadBoolSetting(false, section, key);
    probe.Release();
    if (withTrue != withFalse)
        return std::nullopt; // nothing stored: each read gave its default
    return withTrue;
}

bool storePreference(bool value)
{
    kvds::SettingsHolder probe(&Zarnet::OSUtilities::getComponentIdUTF8);
    const bool written = probe.WriteBoolSetting(section, key, value);
    probe.Release();
    return written;
}

class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const QString &value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentOverride()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

QString testFolder()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

// Each test gets hives of its own, so that the stored choice of one test never
// reaches the next when the cases run in one process.
class FreshHives : public ::testing::Test
{
protected:
    FreshHives()
        : m_dir(testFolder() + QStringLiteral("/hives-XXXXXX"))
        , m_user("KAVO_USER_HIVE", m_dir.filePath(QStringLiteral("user.db")))
        , m_machine("KAVO_MACHINE_HIVE", m_dir.filePath(QStringLiteral("machine.db")))
    {
    }

    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    EnvironmentOverride m_user;
    EnvironmentOverride m_machine;
};

using DeleteTransferDeviceDialogForm = FreshHives;
using DeleteTransferDeviceDialog = FreshHives;

void tick(QDialog &d)
{
    auto *box = d.findChild<QCheckBox *>(QStringLiteral("NoMoreCheckBox"));
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton);
}

QString messageText(QDialog &d)
{
    auto *label = d.findChild<QLabel *>(QStringLiteral("MessageText"));
    return label ? label->text() : QStringLiteral("<missing>");
}

TEST_F(DeleteTransferDeviceDialogForm, HasTheDescribedWidgetsAndTexts)
{
    Zarnet::DeleteTransferDeviceDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("DeleteTransferDeviceDialog"));
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(dialog.size(), QSize(418, 151));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Delete Your Device"));
    EXPECT_EQ(messageText(dialog), QStringLiteral("Are you sure you wish to delete your device \"%1\"?"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("MessageText"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->minimumHeight(), 40);
    EXPECT_TRUE(label->wordWrap());
    auto *box = dialog.findChild<QCheckBox *>(QStringLiteral("NoMoreCheckBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Do not ask me again"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(box->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    auto *line = dialog.findChild<QFrame *>(QStringLiteral("line"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    EXPECT_EQ(line->minimumWidth(), 400);
    auto *remove = dialog.findChild<QPushButton *>(QStringLiteral("DeleteButton"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"));
    ASSERT_NE(remove, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(remove->text(), QStringLiteral("Delete"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(remove->isDefault());
    EXPECT_EQ(tabChain(dialog, QStringLiteral("NoMoreCheckBox")),
        QStringList({ QStringLiteral("NoMoreCheckBox"), QStringLiteral("DeleteButton"),
            QStringLiteral("CancelButton") }));
}

TEST_F(DeleteTransferDeviceDialogForm, HasOneSlot)
{
    const QMetaObject &meta = Zarnet::DeleteTransferDeviceDialog::staticMetaObject;
    ASSERT_EQ(meta.methodCount() - meta.methodOffset(), 1);
    const QMetaMethod slot = meta.method(meta.methodOffset());
    EXPECT_EQ(slot.methodType(), QMetaMethod::Slot);
    EXPECT_EQ(slot.methodSignature(), QByteArray("noMoreCheckBoxStateChanged(int)"));
}

TEST_F(DeleteTransferDeviceDialog, AsksWithNoStoredPreferenceAndDeletesOnDelete)
{
    ASSERT_FALSE(storedPreference().has_value());
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    QString shown;
    runner.answer([&](QDialog &d) {
        shown = messageText(d);
        Answers::clickButton(d, "DeleteButton");
    });
    EXPECT_TRUE(dialog.confirmDeletion(QStringLiteral("Bedroom DVD Player")));
    EXPECT_EQ(shown, QStringLiteral("Are you sure you wish to delete your device \"Bedroom DVD Player\"?"));
    ASSERT_EQ(runner.runs().size(), 1u);
    EXPECT_EQ(runner.runs()[0].title, QStringLiteral("Delete Your Device"));
    EXPECT_FALSE(storedPreference().has_value()) << "answering alone stores nothing";
}

class DeleteDialogDismissal : public FreshHives, public ::testing::WithParamInterface<ScriptedRunner::Answer>
{
};

TEST_P(DeleteDialogDismissal, KeepsTheDevice)
{
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer(GetParam());
    EXPECT_FALSE(dialog.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(runner.runs().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(CancelEscapeClose, DeleteDialogDismissal,
    ::testing::Values([](QDialog &d) { Answers::clickButton(d, "CancelButton"); },
        [](QDialog &d) { Answers::pressKey(d, Qt::Key_Escape); }, Answers::closeWindow));

TEST_F(DeleteTransferDeviceDialog, EnterDeletes)
{
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer([](QDialog &d) { Answers::pressKey(d, Qt::Key_Return); });
    EXPECT_TRUE(dialog.confirmDeletion(QStringLiteral("TV")));
}

TEST_F(DeleteTransferDeviceDialog, TickThenCancelStoresFalseAndTheNextDeletionIsNotAsked)
{
    {
        ScriptedRunner runner;
        Zarnet::DeleteTransferDeviceDialog dialog;
        runner.answer([](QDialog &d) {
            tick(d);
            Answers::clickButton(d, "CancelButton");
        });
        EXPECT_FALSE(dialog.confirmDeletion(QStringLiteral("TV")));
    }
    EXPECT_EQ(storedPreference(), std::optional<bool>(false));

    ScriptedRunner runner; // no answers: a second dialog would fail the test
    Zarnet::DeleteTransferDeviceDialog next;
    EXPECT_TRUE(next.confirmDeletion(QStringLiteral("Blu-ray Player")));
    EXPECT_TRUE(runner.runs().empty());
}

TEST_F(DeleteTransferDeviceDialog, TheChoiceIsStoredBeforeTheAnswer)
{
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    std::optional<bool> whileOpen;
    runner.answer([&](QDialog &d) {
        tick(d);
        whileOpen = storedPreference();
        Answers::clickButton(d, "DeleteButton");
    });
    EXPECT_TRUE(dialog.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(whileOpen, std::optional<bool>(false));
}

TEST_F(DeleteTransferDeviceDialog, TickAndClearStoresTrue)
{
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer([](QDialog &d) {
        tick(d);
        tick(d);
        Answers::clickButton(d, "DeleteButton");
    });
    EXPECT_TRUE(dialog.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(storedPreference(), std::optional<bool>(true));

    ScriptedRunner again;
    Zarnet::DeleteTransferDeviceDialog next;
    again.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    EXPECT_FALSE(next.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(again.runs().size(), 1u);
}

TEST_F(DeleteTransferDeviceDialog, StoredTrueAsks)
{
    ASSERT_TRUE(storePreference(true));
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    EXPECT_FALSE(dialog.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(runner.runs().size(), 1u);
}

TEST_F(DeleteTransferDeviceDialog, NamesAreShownAsTyped)
{
    const QString names[] = { QStringLiteral("A%2B"), QStringLiteral("%1 and %2"),
        QStringLiteral("<b>Den</b> & Co"), QString::fromUtf8("\u5BDD\u5BA4\u306ETV") };
    for (const QString &name : names) {
        ScriptedRunner runner;
        Zarnet::DeleteTransferDeviceDialog dialog;
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        runner.answer([&](QDialog &d) {
            shown = messageText(d);
            format = d.findChild<QLabel *>(QStringLiteral("MessageText"))->textFormat();
            Answers::clickButton(d, "CancelButton");
        });
        EXPECT_FALSE(dialog.confirmDeletion(name));
        EXPECT_EQ(shown,
            QStringLiteral("Are you sure you wish to delete your device \"") + name + QStringLiteral("\"?"))
            << name.toStdString();
        EXPECT_EQ(format, Qt::PlainText);
    }
}

TEST_F(DeleteTransferDeviceDialog, WithoutASettingsStoreItAlwaysAsks)
{
    const QString blocker = folder() + QStringLiteral("/not-a-folder");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const EnvironmentOverride hive("KAVO_USER_HIVE", blocker + QStringLiteral("/user.db"));
    for (int round = 0; round < 2; ++round) {
        ScriptedRunner runner;
        Zarnet::DeleteTransferDeviceDialog dialog;
        runner.answer([](QDialog &d) {
            tick(d); // cannot be kept
            Answers::clickButton(d, "CancelButton");
        });
        EXPECT_FALSE(dialog.confirmDeletion(QStringLiteral("TV"))) << round;
        EXPECT_EQ(runner.runs().size(), 1u) << round;
    }
    EXPECT_FALSE(QFile::exists(blocker + QStringLiteral("/user.db")));
}

TEST_F(DeleteTransferDeviceDialog, EachDialogOpensTheSettingsAfresh)
{
    {
        Zarnet::DeleteTransferDeviceDialog first; // opens the first hive, and lets it go
    }
    // The next dialog reads another hive in which "ask" is already off; a
    // holder kept from the first dialog would still read the first one.
    const EnvironmentOverride hive("KAVO_USER_HIVE", folder() + QStringLiteral("/second-user.db"));
    ASSERT_TRUE(storePreference(false));
    ScriptedRunner runner; // no answers
    Zarnet::DeleteTransferDeviceDialog second;
    EXPECT_TRUE(second.confirmDeletion(QStringLiteral("TV")));
    EXPECT_TRUE(runner.runs().empty());
}

TEST_F(DeleteTransferDeviceDialog, AnotherTypeOfStoredValueIsIgnored)
{
    kvds::SettingsHolder probe(&Zarnet::OSUtilities::getComponentIdUTF8);
    ASSERT_TRUE(probe.EnsureSettings());
    kvds::IKavoSettings *general = nullptr;
    ASSERT_TRUE(probe.Settings()->OpenChild(std::string(section), &general));
    ASSERT_TRUE(general->SetString(std::string(key), std::string("0")));
    general->Release();
    probe.Release();

    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer([](QDialog &d) { Answers::clickButton(d, "DeleteButton"); });
    EXPECT_TRUE(dialog.confirmDeletion(QStringLiteral("TV")));
    EXPECT_EQ(runner.runs().size(), 1u);
}

} // namespace
