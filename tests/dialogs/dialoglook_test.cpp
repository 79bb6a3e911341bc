// How the dialogs look as they are run: every text fits, nothing sticks out.
// With KAVO_SCREENSHOTS set to a folder, each case also saves a picture there.
#include "tests/common/scriptedrunner.h"
#include "tests/dialogs/fakeplugincontext.h"
#include "widgets/createtransferdevicedialog.h"
#include "widgets/deletetransferdevicedialog.h"
#include "widgets/edittransferdevicedialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

void saveScreenshot(QWidget &dialog, const char *name)
{
    const QString folder = qEnvironmentVariable("KAVO_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
}

std::string describe(const QWidget *w)
{
    const QString text
        = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    return text.toStdString();
}

// Inspects the dialog as it is shown: each visible text-bearing widget lies
// inside the dialog, gets at least its minimum size, a wrapped label the
// height its text needs at its width, a button the width of its text.
void expectNothingClipped(QDialog &dialog)
{
    ASSERT_TRUE(dialog.isVisible());
    const QRect inside = dialog.rect();
    const auto widgets = dialog.findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *w : widgets) {
        if (!w->isVisible()
            || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)
                || qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w)))
            continue;
        if (w->window() != &dialog)
            continue;
        ++checked;
        const QRect where(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        EXPECT_TRUE(inside.contains(where)) << describe(w);
        const QSize least = w->minimumSizeHint();
        EXPECT_GE(w->width(), least.width()) << describe(w);
        EXPECT_GE(w->height(), least.height()) << describe(w);
        if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << describe(w);
        }
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << describe(w);
        }
    }
    EXPECT_GE(checked, 4);
}

class LanguageOverride
{
public:
    explicit LanguageOverride(const char *code) { qputenv("KAVO_LANGUAGE", code); }
    ~LanguageOverride() { qunsetenv("KAVO_LANGUAGE"); }
};

TEST(DialogLook, AddADevice)
{
    const LanguageOverride language("en");
    FakePluginContext context;
    ScriptedRunner runner;
    Zarnet::CreateTransferDeviceDialog dialog(&context);
    runner.answer([](QDialog &d) {
        saveScreenshot(d, "add-a-device-opened"); // the name field has the focus
        Answers::typeName(d, QStringLiteral("Bedroom DVD Player"));
        expectNothingClipped(d);
        saveScreenshot(d, "add-a-device");
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 0;
    QString name;
    dialog.getDeviceInfo(type, name);
    EXPECT_TRUE(runner.allAnswered());
}

TEST(DialogLook, AddADeviceWithoutContext)
{
    const LanguageOverride language("en");
    ScriptedRunner runner;
    Zarnet::CreateTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        expectNothingClipped(d);
        saveScreenshot(d, "add-a-device-no-context");
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 0;
    QString name;
    dialog.getDeviceInfo(type, name);
    EXPECT_TRUE(runner.allAnswered());
}

TEST(DialogLook, AddADeviceJapaneseLimit)
{
    const LanguageOverride language("ja");
    FakePluginContext context;
    ScriptedRunner runner;
    Zarnet::CreateTransferDeviceDialog dialog(&context);
    runner.answer([](QDialog &d) {
        Answers::typeName(d,
            QString::fromUtf8("\u5BDD\u5BA4\u306E\u30D6\u30EB\u30FC\u30EC\u30A4\u30D7\u30EC"
                              "\u30FC\u30E4\u30FC"));
        EXPECT_EQ(d.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"))->text().size(), 10);
        expectNothingClipped(d);
        saveScreenshot(d, "add-a-device-ja-limit");
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 0;
    QString name;
    dialog.getDeviceInfo(type, name);
    EXPECT_TRUE(runner.allAnswered());
}

TEST(DialogLook, EditYourDevice)
{
    const LanguageOverride language("en");
    FakePluginContext context;
    ScriptedRunner runner;
    Zarnet::EditTransferDeviceDialog dialog(&context);
    runner.answer([](QDialog &d) {
        expectNothingClipped(d);
        saveScreenshot(d, "edit-your-device");
        Answers::clickButton(d, "CancelButton");
    });
    unsigned type = 3;
    QString name = QString::fromUtf8("Living Room PS3\u00ae");
    dialog.getDeviceInfo(type, name);
    EXPECT_TRUE(runner.allAnswered());
}

TEST(DialogLook, DeleteYourDevice)
{
    ScriptedRunner runner;
    Zarnet::DeleteTransferDeviceDialog dialog;
    runner.answer([](QDialog &d) {
        expectNothingClipped(d);
        saveScreenshot(d, "delete-your-device");
        Answers::clickButton(d, "CancelButton");
    });
    dialog.confirmDeletion(QStringLiteral("Bedroom DVD Player 20"));
    EXPECT_TRUE(runner.allAnswered());
}

TEST(DialogLook, DeviceNameRequired)
{
    ScriptedRunner runner;
    Zarnet::CreateTransferDeviceDialog dialog(nullptr);
    runner.answer([](QDialog &d) {
        Answers::clickButton(d, "CreateButton");
        Answers::clickButton(d, "CancelButton");
    });
    runner.answer([](QDialog &box) {
        saveScreenshot(box, "device-name-required");
        Answers::acceptBox(box);
    });
    unsigned type = 0;
    QString name;
    dialog.getDeviceInfo(type, name);
    EXPECT_TRUE(runner.allAnswered());
}

} // namespace
