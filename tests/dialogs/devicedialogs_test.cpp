// The add and edit dialogs, answered by ScriptedRunner on the offscreen platform.
#include "tests/common/scriptedrunner.h"
#include "tests/dialogs/fakeplugincontext.h"
#include "widgets/createtransferdevicedialog.h"
#include "widgets/edittransferdevicedialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Zarnet::CreateTransferDeviceDialog;
using Zarnet::EditTransferDeviceDialog;

class LanguageOverride
{
public:
    explicit LanguageOverride(const char *code)
        : m_wasSet(qEnvironmentVariableIsSet("KAVO_LANGUAGE"))
        , m_old(qgetenv("KAVO_LANGUAGE"))
    {
        qputenv("KAVO_LANGUAGE", code);
    }
    ~LanguageOverride()
    {
        if (m_wasSet)
            qputenv("KAVO_LANGUAGE", m_old);
        else
            qunsetenv("KAVO_LANGUAGE");
    }

private:
    bool m_wasSet;
    QByteArray m_old;
};

template <typename T> T *child(QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QString text(QWidget &dialog, const char *name)
{
    if (auto *label = child<QLabel>(dialog, name))
        return label->text();
    if (auto *button = child<QPushButton>(dialog, name))
        return button->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

QStringList slotSignatures(const QMetaObject &meta)
{
    QStringList result;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        result << QString::fromLatin1(meta.method(i).methodSignature())
                + (meta.method(i).methodType() == QMetaMethod::Slot ? QString()
                                                                    : QStringLiteral(" (not a slot)"));
    return result;
}

const QString createLabel = QStringLiteral(
    "Please choose the type of Kavo Certified device you would like to add, and personalize your device "
    "by giving it a name, such as \"Bedroom DVD Player\" (maximum of 20 characters).");
const QString editLabel = QStringLiteral(
    "You may change the type or name of this Kavo Certified device (maximum of 20 characters).");
const QString registerNote = QStringLiteral(
    "If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device "
    "to %1 Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip "
    "this step.");

// ---- forms ----------------------------------------------------------------

TEST(CreateTransferDeviceDialogForm, HasTheDescribedWidgetsAndTexts)
{
    CreateTransferDeviceDialog dialog(nullptr);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("CreateTransferDeviceDialog"));
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add a Device"));
    EXPECT_EQ(dialog.size(), QSize(485, 250));

    EXPECT_EQ(text(dialog, "label"), createLabel);
    EXPECT_EQ(text(dialog, "label_2"), QStringLiteral("Device Type:"));
    EXPECT_EQ(text(dialog, "label_3"), QStringLiteral("Device Name:"));
    EXPECT_EQ(text(dialog, "label_4"), registerNote.arg(QStringLiteral("you")));
    EXPECT_EQ(text(dialog, "RegisterDeviceButton"), QStringLiteral("Register Now"));
    EXPECT_EQ(text(dialog, "CreateButton"), QStringLiteral("Add Device"));
    EXPECT_EQ(text(dialog, "CancelButton"), QStringLiteral("Cancel"));

    ASSERT_NE(child<QLabel>(dialog, "label"), nullptr);
    EXPECT_EQ(child<QLabel>(dialog, "label")->minimumHeight(), 40);
    EXPECT_TRUE(child<QLabel>(dialog, "label")->wordWrap());
    EXPECT_TRUE(child<QLabel>(dialog, "label_4")->wordWrap());
    ASSERT_NE(child<QGroupBox>(dialog, "groupBox"), nullptr);
    EXPECT_EQ(child<QGroupBox>(dialog, "groupBox")->minimumHeight(), 60);
    EXPECT_TRUE(child<QGroupBox>(dialog, "groupBox")->title().isEmpty());
    auto *form = dialog.findChild<QFormLayout *>(QStringLiteral("formLayout"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->itemAt(0, QFormLayout::FieldRole)->widget(), child<QComboBox>(dialog, "DeviceTypeInput"));
    EXPECT_EQ(form->itemAt(1, QFormLayout::FieldRole)->widget(), child<QLineEdit>(dialog, "DeviceNameInput"));
    auto *line = child<QFrame>(dialog, "line");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    EXPECT_EQ(line->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(line->minimumWidth(), 400);

    // Qt's auto-default stays on here; the confirm button is the default.
    for (const char *name : { "RegisterDeviceButton", "CreateButton", "CancelButton" })
        EXPECT_TRUE(child<QPushButton>(dialog, name)->autoDefault()) << name;
    EXPECT_TRUE(child<QPushButton>(dialog, "CreateButton")->isDefault());
}

TEST(EditTransferDeviceDialogForm, HasTheDescribedWidgetsAndTexts)
{
    EditTransferDeviceDialog dialog(nullptr);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("EditTransferDeviceDialog"));
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Your Device"));
    EXPECT_EQ(dialog.size(), QSize(485, 250));
    EXPECT_EQ(text(dialog, "label"), editLabel);
    EXPECT_EQ(child<QLabel>(dialog, "label")->minimumHeight(), 30);
    EXPECT_EQ(text(dialog, "label_4"), registerNote.arg(QStringLiteral("your")));
    EXPECT_EQ(text(dialog, "SaveButton"), QStringLiteral("Save"));
    EXPECT_EQ(text(dialog, "CancelButton"), QStringLiteral("Cancel"));
    EXPECT_EQ(text(dialog, "RegisterDeviceButton"), QStringLiteral("Register Now"));
    for (const char *name : { "RegisterDeviceButton", "SaveButton", "CancelButton" }) {
        EXPECT_FALSE(child<QPushButton>(dialog, name)->autoDefault()) << name;
        EXPECT_FALSE(child<QPushButton>(dialog, name)->isDefault()) << name;
    }
}

TEST(DeviceDialogMetaObject, ListsTheConfirmSlotThenRegister)
{
    EXPECT_EQ(slotSignatures(CreateTransferDeviceDialog::staticMetaObject),
        QStringList(
            { QStringLiteral("createButtonClicked()"), QStringLiteral("registerDeviceButtonClicked()") }));
    EXPECT_EQ(slotSignatures(EditTransferDeviceDialog::staticMetaObject),
        QStringList(
            { QStringLiteral("saveButtonClicked()"), QStringLiteral("registerDeviceButtonClicked()") }));
}

TEST(DeviceDialogTabOrder, FollowsTheFormTopToBottom)
{
    FakePluginContext context;
    CreateTransferDeviceDialog create(&context);
    EXPECT_EQ(tabChain(create, QStringLiteral("DeviceTypeInput")),
        QStringList({ QStringLiteral("DeviceTypeInput"), QStringLiteral("DeviceNameInput"),
            QStringLiteral("RegisterDeviceButton"), QStringLiteral("CreateButton"),
            QStringLiteral("CancelButton") }));
    EditTransferDeviceDialog edit(&context);
    EXPECT_EQ(tabChain(edit, QStringLiteral("DeviceTypeInput")),
        QStringList({ QStringLiteral("DeviceTypeInput"), QStringLiteral("DeviceNameInput"),
            QStringLiteral("RegisterDeviceButton"), QStringLiteral("SaveButton"),
            QStringLiteral("CancelButton") }));
}

// Typing at once names the device; the type stays where it was.
template <typename Dialog> void expectTypingGoesToTheName(unsigned initialType, const QString &initialName)
{
    ScriptedRunner runner;
    Dialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, "DeviceNameInput"));
        QTest::keyClicks(d.focusWidget(), QStringLiteral("Bedroom DVD"));
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = initialType;
    QString name = initialName;
    EXPECT_FALSE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(child<QLineEdit>(dialog, "DeviceNameInput")->text(), QStringLiteral("Bedroom DVD"));
    EXPECT_EQ(child<QComboBox>(dialog, "DeviceTypeInput")->currentData().toUInt(), initialType);
}

TEST(DeviceDialogFocus, OpensInTheNameFieldSoTypingNamesTheDevice)
{
    expectTypingGoesToTheName<CreateTransferDeviceDialog>(0, QString());
    // The old name is selected: what is typed replaces it.
    expectTypingGoesToTheName<EditTransferDeviceDialog>(2, QStringLiteral("Old name"));
}

// ---- the type list ----------------------------------------------------------

TEST(CreateTransferDeviceDialog, OffersTheFourTypesWithTheirCodes)
{
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(nullptr);
    QStringList labels;
    QList<QVariant> codes;
    bool iconsEmpty = true;
    int current = -1;
    runner.answer([&](QDialog &d) {
        auto *box = child<QComboBox>(d, "DeviceTypeInput");
        current = box->currentIndex();
        for (int i = 0; i < box->count(); ++i) {
            labels << box->itemText(i);
            codes << box->itemData(i);
            iconsEmpty = iconsEmpty && box->itemIcon(i).isNull();
        }
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 99;
    QString name;
    EXPECT_FALSE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(labels,
        QStringList({ QStringLiteral("DVD Player"), QStringLiteral("Blu-ray Player"), QStringLiteral("TV"),
            QString::fromUtf8("PlayStation\u00ae3") }));
    ASSERT_EQ(codes.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(codes[i].typeId(), QMetaType::UInt) << i;
        EXPECT_EQ(codes[i].toUInt(), static_cast<unsigned>(i));
    }
    EXPECT_TRUE(iconsEmpty);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(runner.runs().size(), 1u);
    EXPECT_EQ(runner.runs()[0].title, QStringLiteral("Add a Device"));
}

// ---- confirming -------------------------------------------------------------

TEST(CreateTransferDeviceDialog, ReturnsTypeAndNameWhenConfirmed)
{
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        child<QComboBox>(d, "DeviceTypeInput")->setCurrentIndex(2);
        Answers::typeName(d, QStringLiteral("Living Room"));
        Answers::clickButton(d, "CreateButton");
    });
    unsigned type = 99;
    QString name;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(type, 2u);
    EXPECT_EQ(name, QStringLiteral("Living Room"));
}

TEST(CreateTransferDeviceDialog, AcceptsANameOfBlanksAsTyped)
{
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        Answers::typeName(d, QStringLiteral("   "));
        Answers::clickButton(d, "CreateButton");
    });
    unsigned type = 99;
    QString name;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(name, QStringLiteral("   "));
    EXPECT_EQ(type, 0u);
    EXPECT_EQ(runner.runs().size(), 1u) << "no message box for blanks";
}

TEST(CreateTransferDeviceDialog, EnterInTheNameFieldAddsTheDevice)
{
    FakePluginContext context; // "Register Now" shown, and still not the one Enter presses
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(&context);
    runner.answer([](QDialog &d) {
        Answers::typeName(d, QStringLiteral("Den"));
        Answers::pressKey(d, Qt::Key_Return);
    });
    unsigned type = 99;
    QString name;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(name, QStringLiteral("Den"));
}

TEST(CreateTransferDeviceDialog, RefusesAnEmptyNameAndStaysOpen)
{
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(nullptr);
    bool stillOpen = false;
    runner.answer([&](QDialog &d) {
        Answers::clickButton(d, "CreateButton"); // answered by the box's OK below
        stillOpen = d.isVisible();
        Answers::typeName(d, QStringLiteral("Kitchen"));
        Answers::clickButton(d, "CreateButton");
    });
    runner.answer(Answers::acceptBox);
    unsigned type = 99;
    QString name;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(name, QStringLiteral("Kitchen"));
    ASSERT_EQ(runner.runs().size(), 2u);
    const auto &box = runner.runs()[1];
    EXPECT_EQ(box.className, QStringLiteral("QMessageBox"));
    EXPECT_EQ(box.title, QStringLiteral("Device Name Required"));
    EXPECT_EQ(box.text, QStringLiteral("Please enter a name for this Device."));
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(box.hasParent);
}

TEST(EditTransferDeviceDialog, RefusesAnEmptyNameAndStaysOpen)
{
    ScriptedRunner runner;
    EditTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        child<QLineEdit>(d, "DeviceNameInput")->clear();
        Answers::clickButton(d, "SaveButton");
        EXPECT_TRUE(d.isVisible());
        Answers::clickButton(d, "CancelButton");
    });
    runner.answer(Answers::acceptBox);
    unsigned type = 1;
    QString name = QStringLiteral("Old");
    EXPECT_FALSE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(name, QStringLiteral("Old"));
    ASSERT_EQ(runner.runs().size(), 2u);
    EXPECT_EQ(runner.runs()[1].title, QStringLiteral("Device Name Required"));
}

// ---- Cancel, Escape, close ----------------------------------------------------

class DeviceDialogDismissal : public ::testing::TestWithParam<ScriptedRunner::Answer>
{
protected:
    // Changes both fields, then dismisses: nothing may come out.
    template <typename Dialog> void expectNothingReturned(unsigned initialType)
    {
        ScriptedRunner runner;
        Dialog dialog(nullptr);
        const ScriptedRunner::Answer dismiss = GetParam();
        runner.answer([dismiss](QDialog &d) {
            child<QComboBox>(d, "DeviceTypeInput")->setCurrentIndex(3);
            Answers::typeName(d, QStringLiteral("Typed"));
            dismiss(d);
        });
        unsigned type = initialType;
        QString name = QStringLiteral("before");
        EXPECT_FALSE(dialog.getDeviceInfo(type, name));
        EXPECT_EQ(type, initialType);
        EXPECT_EQ(name, QStringLiteral("before"));
        EXPECT_EQ(runner.runs().size(), 1u);
    }
};

TEST_P(DeviceDialogDismissal, CreateReturnsFalseAndLeavesTheOutputs)
{
    expectNothingReturned<CreateTransferDeviceDialog>(77);
}

TEST_P(DeviceDialogDismissal, EditReturnsFalseAndLeavesTheOutputs)
{
    expectNothingReturned<EditTransferDeviceDialog>(1);
}

INSTANTIATE_TEST_SUITE_P(CancelEscapeClose, DeviceDialogDismissal,
    ::testing::Values([](QDialog &d) { Answers::clickButton(d, "CancelButton"); },
        [](QDialog &d) { Answers::pressKey(d, Qt::Key_Escape); }, Answers::closeWindow));

// ---- "Register Now" -----------------------------------------------------------

TEST(DeviceDialogRegisterButton, IsHiddenWithoutAContext)
{
    CreateTransferDeviceDialog create(nullptr);
    EditTransferDeviceDialog edit(nullptr);
    create.show();
    edit.show();
    EXPECT_FALSE(child<QPushButton>(create, "RegisterDeviceButton")->isVisible());
    EXPECT_FALSE(child<QPushButton>(edit, "RegisterDeviceButton")->isVisible());
}

TEST(DeviceDialogRegisterButton, IsShownWithAContextAndDoesNothing)
{
    FakePluginContext context;
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(&context);
    bool visible = false;
    bool openAfterClick = false;
    runner.answer([&](QDialog &d) {
        auto *button = child<QPushButton>(d, "RegisterDeviceButton");
        visible = button->isVisible();
        Answers::typeName(d, QStringLiteral("Attic"));
        QTest::mouseClick(button, Qt::LeftButton);
        openAfterClick = d.isVisible();
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 5;
    QString name;
    EXPECT_FALSE(dialog.getDeviceInfo(type, name));
    EXPECT_TRUE(visible);
    EXPECT_TRUE(openAfterClick);
    EXPECT_EQ(runner.runs().size(), 1u);
    EXPECT_EQ(type, 5u);
}

// ---- name limit by language ---------------------------------------------------

struct LimitCase
{
    const char *language;
    int limit;
};

class DeviceNameLimit : public ::testing::TestWithParam<LimitCase>
{
};

TEST_P(DeviceNameLimit, CutsTypedNamesAtTheLimit)
{
    const LanguageOverride language(GetParam().language);
    ScriptedRunner runner;
    CreateTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        Answers::typeName(d,
            QString::fromUtf8("\u5BDD\u5BA4\u306EDVD\u30D7\u30EC\u30FC\u30E4\u30FC\u30FC\u30FC"
                              "ABCDEFGHIJKLMNOP"));
        Answers::clickButton(d, "CreateButton");
    });
    unsigned type = 0;
    QString name;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(name.size(), GetParam().limit);
}

// A name already longer than the limit (PlayStation®3 in Japanese) is shown
// and kept whole: cutting it would change a name nobody edited.
TEST_P(DeviceNameLimit, EditKeepsALongerIncomingNameWhole)
{
    const LanguageOverride language(GetParam().language);
    ScriptedRunner runner;
    EditTransferDeviceDialog dialog(nullptr);
    const QString longName = QStringLiteral("0123456789abcdefghijKLMNO");
    int fieldLength = -1;
    runner.answer([&](QDialog &d) {
        fieldLength = child<QLineEdit>(d, "DeviceNameInput")->text().size();
        Answers::clickButton(d, "SaveButton");
    });
    unsigned type = 0;
    QString name = longName;
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(fieldLength, longName.size());
    EXPECT_EQ(name, longName);
}

INSTANTIATE_TEST_SUITE_P(Languages, DeviceNameLimit,
    ::testing::Values(
        LimitCase { "ja", 10 }, LimitCase { "zh", 10 }, LimitCase { "en", 20 }, LimitCase { "de", 20 }),
    [](const auto &info) { return std::string(info.param.language); });

// ---- edit preselection --------------------------------------------------------

TEST(EditTransferDeviceDialog, PreselectsTypeAndNameAndReturnsTheNewValues)
{
    ScriptedRunner runner;
    EditTransferDeviceDialog dialog(nullptr);
    int shownIndex = -1;
    QString shownName;
    runner.answer([&](QDialog &d) {
        auto *box = child<QComboBox>(d, "DeviceTypeInput");
        shownIndex = box->currentIndex();
        shownName = child<QLineEdit>(d, "DeviceNameInput")->text();
        box->setCurrentIndex(1);
        Answers::typeName(d, QStringLiteral("Study"));
        Answers::clickButton(d, "SaveButton");
    });
    unsigned type = 2;
    QString name = QStringLiteral("Bedroom TV");
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(shownIndex, 2);
    EXPECT_EQ(shownName, QStringLiteral("Bedroom TV"));
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(name, QStringLiteral("Study"));
    ASSERT_EQ(runner.runs().size(), 1u);
    EXPECT_EQ(runner.runs()[0].title, QStringLiteral("Edit Your Device"));
}

TEST(EditTransferDeviceDialog, SavingUnchangedValuesReturnsThem)
{
    ScriptedRunner runner;
    EditTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) { Answers::clickButton(d, "SaveButton"); });
    unsigned type = 3;
    QString name = QString::fromUtf8("PS3 \u00e9");
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_EQ(type, 3u);
    EXPECT_EQ(name, QString::fromUtf8("PS3 \u00e9"));
}

TEST(EditTransferDeviceDialog, UnknownTypeShowsNothingAndChangesNothing)
{
    for (unsigned unknown : { 4u, 1000u, 0xFFFFFFFFu }) {
        ScriptedRunner runner; // no answers: any run fails the test
        EditTransferDeviceDialog dialog(nullptr);
        unsigned type = unknown;
        QString name = QStringLiteral("Mystery");
        EXPECT_FALSE(dialog.getDeviceInfo(type, name)) << unknown;
        EXPECT_EQ(type, unknown);
        EXPECT_EQ(name, QStringLiteral("Mystery"));
        EXPECT_TRUE(runner.runs().empty()) << unknown;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(EditTransferDeviceDialog, EnterDoesNotPressAButtonThatIsNotAutoDefault)
{
    ScriptedRunner runner;
    EditTransferDeviceDialog dialog(nullptr);
    bool openAfterEnter = false;
    runner.answer([&](QDialog &d) {
        Answers::typeName(d, QStringLiteral("Porch"));
        Answers::pressKey(d, Qt::Key_Return);
        openAfterEnter = d.isVisible();
        Answers::clickButton(d, "SaveButton");
    });
    unsigned type = 0;
    QString name = QStringLiteral("x");
    ASSERT_TRUE(dialog.getDeviceInfo(type, name));
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(name, QStringLiteral("Porch"));
}

} // namespace
