#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "settings/settingsholder.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/transferdevicewidget.h"
#include "widgets/zrttoolbarmenu.h"
#include "zrt/osutilities.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace {

PaneHarness *currentHarness = nullptr;

// The pane as the host's button holds it.
QWidget *paneOf(Zarnet::DevicePane *)
{
    return currentHarness ? currentHarness->showButton.popup() : nullptr;
}

QGridLayout *grid(Zarnet::DevicePane *pane)
{
    QWidget *paneWidget = paneOf(pane);
    auto *contents = paneWidget
        ? paneWidget->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents"))
        : nullptr;
    return contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
}

Zarnet::TransferDeviceWidget *buttonAt(Zarnet::DevicePane *pane, int row, int column)
{
    QLayoutItem *item = grid(pane)->itemAtPosition(row, column);
    return item ? qobject_cast<Zarnet::TransferDeviceWidget *>(item->widget()) : nullptr;
}

std::string nameAt(Zarnet::DevicePane *pane, int row, int column)
{
    auto *button = buttonAt(pane, row, column);
    return button && button->device() ? button->device()->name() : std::string();
}

// Fills and confirms the add or edit dialog.
ScriptedRunner::Answer fillDeviceDialog(int type, const QString &name)
{
    return [type, name](QDialog &dialog) {
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("DeviceTypeInput"));
        auto *input = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        ASSERT_NE(types, nullptr);
        ASSERT_NE(input, nullptr);
        types->setCurrentIndex(types->findData(type));
        input->setText(name);
        Answers::confirm(dialog);
    };
}

void settle()
{
    // Queued signals and deferred deletions.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

TEST(DevicePane, FirstRunCreatesFourDevicesInTheFirstColumnAndTheSubmenu)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();

    ASSERT_NE(grid(pane), nullptr);
    EXPECT_EQ(nameAt(pane, 0, 0), "DVD Player");
    EXPECT_EQ(nameAt(pane, 1, 0), "Blu-ray Player");
    EXPECT_EQ(nameAt(pane, 2, 0), "TV");
    EXPECT_EQ(nameAt(pane, 3, 0), "PlayStation\u00ae3");
    EXPECT_EQ(grid(pane)->columnCount(), 1);

    // Each button shows its type's icon, which the pane's sheet picks by title.
    const QSize images[] = { QSize(180, 33), QSize(180, 30), QSize(102, 70), QSize(105, 65) };
    for (int row = 0; row < 4; ++row) {
        Zarnet::TransferDeviceWidget *button = buttonAt(pane, row, 0);
        ASSERT_NE(button, nullptr);
        for (QToolButton *face : { button->ActiveButton, button->InactiveButton }) {
            const QList<QSize> sizes = face->icon().availableSizes();
            EXPECT_EQ(sizes.value(0), images[row]) << row << " " << face->objectName().toStdString();
        }
    }

    const auto entries = harness.submenu();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0], qMakePair(QStringLiteral("DVD Player"), 10000u));
    EXPECT_EQ(entries[3], qMakePair(QString::fromUtf8("PlayStation\u00ae3"), 10003u));
    EXPECT_TRUE(TransferDevices::instance("KavoPlayer")->isInitialized());
}

TEST(DevicePane, SecondRunDoesNotRecreateDeletedDefaults)
{
    {
        TransferDevices *store = TransferDevices::instance("KavoPlayer");
        std::unique_ptr<TransferDevice>(store->createDevice(2, "Kitchen TV"));
    }
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    EXPECT_EQ(nameAt(pane, 0, 0), "Kitchen TV");
    EXPECT_EQ(buttonAt(pane, 1, 0), nullptr);
    EXPECT_EQ(harness.submenu().size(), 1);
}

TEST(DevicePane, FifthDeviceStartsTheNextColumnAndWidensThePane)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    auto *paneWidget = paneOf(pane);
    ASSERT_NE(paneWidget, nullptr);
    const int widthBefore = paneWidget->width();
    const int buttonWidth = buttonAt(pane, 0, 0)->width();

    harness.runner.answer(fillDeviceDialog(1, QStringLiteral("Den Player")));
    pane->addDeviceButtonClicked();
    settle();

    EXPECT_EQ(nameAt(pane, 0, 1), "Den Player");
    EXPECT_EQ(grid(pane)->columnCount(), 2);
    // One column step: the grid, two button widths plus their gaps, now
    // outgrows the texts above and below it.
    EXPECT_GT(paneWidget->width(), widthBefore);
    EXPECT_EQ(paneWidget->width(), (buttonWidth + 7) * 2 + 8);
    EXPECT_EQ(harness.submenu().size(), 5);
    // A new device starts unconfigured.
    EXPECT_FALSE(buttonAt(pane, 0, 1)->device()->hasBeenConfigured());
}

TEST(DevicePane, CancelledAddChangesNothing)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    harness.runner.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    pane->addDeviceButtonClicked();
    settle();
    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Add a Device") });
    EXPECT_EQ(TransferDevices::instance("KavoPlayer")->count(), 4u);
}

TEST(DevicePane, EditWritesTypeNameAndConfiguredThenRefreshesTheMenu)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    harness.runner.answer(fillDeviceDialog(2, QStringLiteral("Bedroom \"TV\" 100%")));
    pane->editDevice(buttonAt(pane, 0, 0));
    settle();

    const std::unique_ptr<TransferDevice> stored(TransferDevices::instance("KavoPlayer")->deviceById(10000));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name(), "Bedroom \"TV\" 100%");
    EXPECT_EQ(stored->type(), 2);
    EXPECT_TRUE(stored->hasBeenConfigured());
    EXPECT_EQ(harness.submenu().first().first, QStringLiteral("Bedroom \"TV\" 100%"));
}

TEST(DevicePane, DeleteRebuildsTheGridFromTheStore)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    harness.runner.answer(Answers::confirm);
    pane->deleteDevice(buttonAt(pane, 1, 0), true);
    settle();

    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Delete Your Device") });
    EXPECT_EQ(nameAt(pane, 0, 0), "DVD Player");
    EXPECT_EQ(nameAt(pane, 1, 0), "TV");
    EXPECT_EQ(nameAt(pane, 2, 0), "PlayStation\u00ae3");
    EXPECT_EQ(buttonAt(pane, 3, 0), nullptr);
    EXPECT_EQ(grid(pane)->count(), 3);
    EXPECT_EQ(TransferDevices::instance("KavoPlayer")->count(), 3u);
    EXPECT_EQ(harness.submenu().size(), 3);
}

TEST(DevicePane, DeclinedDeleteKeepsTheDevice)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    harness.runner.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    pane->deleteDevice(buttonAt(pane, 0, 0), true);
    settle();
    EXPECT_TRUE(harness.runner.allAnswered());
    EXPECT_EQ(TransferDevices::instance("KavoPlayer")->count(), 4u);
    EXPECT_EQ(grid(pane)->count(), 4);
}

TEST(DevicePane, WithConfirmationOffNoDialogIsShown)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    kvds::SettingsHolder settings(&Zarnet::OSUtilities::getComponentIdUTF8);
    ASSERT_TRUE(settings.WriteBoolSetting("General", "TransferDevicesConfirmDeletions", false));
    pane->deleteDevice(buttonAt(pane, 0, 0), true);
    settle();
    EXPECT_TRUE(harness.runner.titles().isEmpty());
    EXPECT_EQ(TransferDevices::instance("KavoPlayer")->count(), 3u);
}

TEST(DevicePane, OwnNoticesAreIgnoredForeignOnesReloadEveryRecord)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    {
        // Another writer changes the row behind the pane's back.
        const std::unique_ptr<TransferDevice> other(
            TransferDevices::instance("KavoPlayer")->deviceById(10002));
        ASSERT_TRUE(other);
        other->setName("Lounge TV");
    }
    settle();
    const unsigned char payload[12] = { 1, 0, 0, 0, 0x12, 0x27, 0, 0, 1, 0, 0, 0 };
    pane->OnMessage("KavoPlayer", "Device/Change", sizeof payload, payload);
    settle();
    EXPECT_EQ(nameAt(pane, 2, 0), "TV");
    EXPECT_EQ(buttonAt(pane, 2, 0)->findChild<QToolButton *>(QStringLiteral("ActiveButton"))->text()
            + buttonAt(pane, 2, 0)->findChild<QToolButton *>(QStringLiteral("InactiveButton"))->text(),
        QStringLiteral("TVTV"));

    pane->OnMessage("kavo-devices", "Device/Other", sizeof payload, payload);
    settle();
    EXPECT_EQ(nameAt(pane, 2, 0), "Lounge TV");

    // Not a device notice.
    {
        const std::unique_ptr<TransferDevice> other(
            TransferDevices::instance("KavoPlayer")->deviceById(10002));
        other->setName("Attic TV");
    }
    pane->OnMessage("kavo-devices", "Devices", 0, nullptr);
    settle();
    EXPECT_EQ(nameAt(pane, 2, 0), "Lounge TV");
}

TEST(DevicePane, StartedResponseOfNoBytesReadsAsOff)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.create();
    QList<bool> states;
    QObject::connect(pane, &Zarnet::DevicePane::msgStartedResponseSignal, [&](bool on) { states << on; });
    const unsigned char on = 7, off = 0;
    pane->OnMessage("KavoMediaServer", "StartedResponse", 1, &on);
    pane->OnMessage("KavoMediaServer", "StartedResponse", 1, &off);
    pane->OnMessage("KavoMediaServer", "StartedResponse", 0, nullptr);
    pane->OnMessage("KavoMediaServer", "StartStopResponse", 1, &on);
    EXPECT_EQ(states, (QList<bool> { true, false, false }));
}

TEST(DevicePane, ToggleBeforeInitialisationDoesNothing)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.create();
    pane->toggleDevicePane();
    pane->updateDevicePaneMenus();
    EXPECT_EQ(paneOf(pane), nullptr);
}

TEST(DevicePane, ToggleShowsAndHidesThePaneAndSwapsTheMenuActions)
{
    PaneHarness harness;
    currentHarness = &harness;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    auto *paneWidget = paneOf(pane);
    EXPECT_TRUE(harness.action(1240)->isVisible());
    EXPECT_FALSE(harness.action(1241)->isVisible());
    pane->toggleDevicePane();
    EXPECT_TRUE(paneWidget->isVisible());
    EXPECT_FALSE(harness.action(1240)->isVisible());
    EXPECT_TRUE(harness.action(1241)->isVisible());
    pane->toggleDevicePane();
    EXPECT_FALSE(paneWidget->isVisible());
    EXPECT_TRUE(harness.action(1240)->isVisible());
}

TEST(DevicePane, MissingHostInterfaceLeavesAnEmptyFrame)
{
    PaneHarness harness;
    currentHarness = &harness;
    harness.host.offerMediaView = false;
    Zarnet::DevicePane *pane = harness.setUp();
    settle();
    auto *paneWidget = paneOf(pane);
    ASSERT_NE(paneWidget, nullptr);
    EXPECT_EQ(paneWidget->findChild<QToolButton *>(QStringLiteral("AddDevice")), nullptr);
    // Later calls do not retry, and nothing breaks.
    pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &harness.showButton);
    pane->toggleDevicePane();
    pane->syncWidgetsToTransferDevices(true);
}

TEST(DevicePane, TransferSubmenuShowsAmpersandsAsTyped)
{
    {
        TransferDevices *store = TransferDevices::instance("KavoPlayer");
        std::unique_ptr<TransferDevice>(store->createDevice(2, "R&D Lab TV"));
    }
    PaneHarness harness;
    currentHarness = &harness;
    harness.setUp();
    settle();
    const QString text = harness.submenu().value(0).first;
    EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << text.toStdString();
    EXPECT_EQ(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")), QStringLiteral("R&D Lab TV"));
}

namespace {

void seedDevices(int count)
{
    TransferDevices *store = TransferDevices::instance("KavoPlayer");
    store->createInitialDevices({});
    for (int i = 0; i < count; ++i)
        std::unique_ptr<TransferDevice>(store->createDevice(i % 4, "Device " + std::to_string(i)));
}

// The pane shown above its button in a player window of the given width.
struct ShownPane
{
    explicit ShownPane(int windowWidth)
    {
        currentHarness = &harness;
        // In these tests the host's button is a window of its own.
        harness.showButton.resize(windowWidth, 500);
        harness.showButton.show();
        harness.setUp();
        paneWidget = paneOf(harness.pane);
        paneWidget->show();
        settle();
        scrollArea = paneWidget->findChild<QScrollArea *>(QStringLiteral("DeviceScrollArea"));
    }
    void resizeWindow(int width)
    {
        harness.showButton.resize(width, 500);
        settle();
    }
    int columns() const { return grid(harness.pane)->columnCount(); }

    PaneHarness harness;
    QWidget *paneWidget = nullptr;
    QScrollArea *scrollArea = nullptr;
};

} // namespace

TEST(DevicePane, ManyDevicesTakeAThirdOfThePlayerAndScrollDownwards)
{
    seedDevices(40);
    ShownPane shown(1280);
    QScrollBar *bar = shown.scrollArea->verticalScrollBar();
    const int step = buttonAt(shown.harness.pane, 0, 0)->width() + 7;
    const int twoColumns = 2 * step + 8 + bar->sizeHint().width();
    const int screen = shown.paneWidget->screen()->availableGeometry().width();
    for (const int window : { 1280, 700, 400 }) {
        shown.resizeWindow(window);
        // A third of the player (or screen); two columns while the window holds them.
        EXPECT_LE(shown.paneWidget->width(), std::max(std::min(window, screen) / 3, twoColumns)) << window;
        EXPECT_LE(shown.paneWidget->width(), window) << window;
        EXPECT_GE(shown.columns(), 2) << window;
        // Every row past the first four is reached by scrolling down, not sideways.
        EXPECT_TRUE(bar->isVisible() && bar->maximum() > 0) << window;
        EXPECT_FALSE(shown.scrollArea->horizontalScrollBar()->isVisible()) << window;
        EXPECT_EQ(grid(shown.harness.pane)->count(), 40) << window;
    }
}

TEST(DevicePane, FirstOpeningShowsEveryButtonWholeWithoutAScrollBar)
{
    ShownPane shown(700);
    ASSERT_NE(shown.scrollArea, nullptr);
    EXPECT_FALSE(shown.scrollArea->verticalScrollBar()->isVisible());
    QWidget *viewport = shown.scrollArea->viewport();
    for (int row = 0; row < 4; ++row) {
        Zarnet::TransferDeviceWidget *button = buttonAt(shown.harness.pane, row, 0);
        ASSERT_NE(button, nullptr);
        const QRect inViewport(button->mapTo(viewport, QPoint(0, 0)), button->size());
        EXPECT_TRUE(viewport->rect().contains(inViewport)) << row;
    }
}

namespace {

// Six devices, four in the right-hand column and two to their left, with
// the focus named by its device ("Add a Device" for that button).
struct KeyboardPane : ShownPane
{
    KeyboardPane()
        : ShownPane((seedDevices(6), 700))
    {
        paneWidget->activateWindow();
        settle();
    }
    std::string focused() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->objectName() == QLatin1String("AddDevice"))
            return "Add a Device";
        for (QWidget *w = focus; w; w = w->parentWidget()) {
            if (auto *button = qobject_cast<Zarnet::TransferDeviceWidget *>(w))
                return button->device() ? button->device()->name() : "no device";
        }
        return "elsewhere";
    }
    void focusDevice(int row, int column) { buttonAt(harness.pane, row, column)->InactiveButton->setFocus(); }
};

} // namespace

TEST(DevicePaneKeyboard, ArrowsMoveAsTheGridIsSeen)
{
    KeyboardPane shown;
    shown.focusDevice(0, 0);
    const std::pair<Qt::Key, const char *> steps[] = {
        { Qt::Key_Down, "Device 1" },
        { Qt::Key_Left, "Device 5" }, // the second column is on the left
        { Qt::Key_Left, "Device 5" },
        { Qt::Key_Down, "Device 2" }, // the nearest button of the next row
        { Qt::Key_Right, "Device 2" },
        { Qt::Key_Down, "Device 3" },
        { Qt::Key_Down, "Add a Device" },
        { Qt::Key_Up, "Device 3" },
        { Qt::Key_Up, "Device 2" },
        { Qt::Key_Up, "Device 1" },
        { Qt::Key_Up, "Device 0" },
        { Qt::Key_Up, "Device 0" },
        { Qt::Key_Left, "Device 4" },
    };
    for (const auto &[key, expected] : steps) {
        const std::string before = shown.focused();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(shown.focused(), expected) << "from " << before << ", key " << key;
    }
}

TEST(DevicePaneKeyboard, EveryControlThatTakesTheFocusShowsIt)
{
    KeyboardPane shown;
    int checked = 0;
    for (QWidget *w : shown.paneWidget->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QRect area(w->mapTo(shown.paneWidget, QPoint(0, 0)), w->size());
        w->setFocus(Qt::TabFocusReason);
        const QImage focused = shown.paneWidget->grab(area).toImage();
        w->clearFocus();
        EXPECT_NE(focused, shown.paneWidget->grab(area).toImage()) << w->objectName().toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 7); // six devices and "Add a Device"
}

TEST(DevicePaneKeyboard, AfterADeleteTheFocusGoesToANeighbour)
{
    KeyboardPane shown;
    // Each step deletes the device at (row, column) after focusing it.
    const std::tuple<int, int, const char *> steps[] = {
        { 2, 0, "Device 3" }, // the next device takes its place
        { 0, 1, "Device 4" }, // the last one: the one before it
        { 0, 0, "Device 1" },
        { 1, 0, "Device 4" },
        { 1, 0, "Device 1" },
        { 0, 0, "Add a Device" },
    };
    for (const auto &[row, column, expected] : steps) {
        shown.focusDevice(row, column);
        shown.harness.runner.answer(Answers::confirm);
        shown.harness.pane->deleteDevice(buttonAt(shown.harness.pane, row, column), true);
        // Offscreen no window manager gives the pane back the activation the
        // dialog took; the focus is the one the pane chose meanwhile.
        shown.paneWidget->activateWindow();
        settle();
        EXPECT_EQ(shown.focused(), expected) << row << "," << column;
    }
}
