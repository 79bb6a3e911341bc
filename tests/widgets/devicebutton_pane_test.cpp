// The device button inside a real pane: its click, and its menu's "Edit" and
// "Delete", reach the pane and through it the host.
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/transferdevicewidget.h"
#include "widgets/zrtmenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

Zarnet::TransferDeviceWidget *firstButton(PaneHarness &harness)
{
    QWidget *pane = harness.showButton.popup();
    auto *contents
        = pane ? pane->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents")) : nullptr;
    auto *grid = contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
    QLayoutItem *item = grid ? grid->itemAtPosition(0, 0) : nullptr;
    return item ? qobject_cast<Zarnet::TransferDeviceWidget *>(item->widget()) : nullptr;
}

// Opens the button's menu and triggers the entry with the given text.
void choose(Zarnet::TransferDeviceWidget *button, const QString &entry)
{
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<Zarnet::ZRTMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text() == entry) {
                found = true;
                menu->close();
                action->trigger();
                return;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &event);
    EXPECT_TRUE(found) << entry.toStdString();
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

unsigned storedCount()
{
    return TransferDevicesLibrary::TransferDevices::instance("KavoPlayer")->count();
}

} // namespace

TEST(DeviceButtonInPane, ClickHandsTheDeviceToTheWizardAndTellsTheHost)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    Zarnet::TransferDeviceWidget *button = firstButton(harness);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->device(), nullptr);
    const unsigned id = button->device()->deviceId();

    button->InactiveButton->click();
    ASSERT_EQ(harness.transfers.size(), 1u);
    EXPECT_EQ(harness.transfers[0].target, id);
    EXPECT_TRUE(harness.transfers[0].urls.isEmpty());
    EXPECT_EQ(harness.host.transferredNotices, 1);

    choose(button, QStringLiteral("Transfer Videos to \"%1\"").arg(button->InactiveButton->text()));
    ASSERT_EQ(harness.transfers.size(), 2u);
    EXPECT_EQ(harness.transfers[1].target, id);
    EXPECT_EQ(harness.host.transferredNotices, 2);
}

TEST(DeviceButtonInPane, EditOpensThePanesEditDialog)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    Zarnet::TransferDeviceWidget *button = firstButton(harness);
    ASSERT_NE(button, nullptr);
    const std::string before = button->device()->name();

    harness.runner.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    choose(button, QStringLiteral("Edit"));
    settle();
    EXPECT_EQ(harness.runner.runs().size(), 1u);
    // Declined: nothing changed.
    EXPECT_EQ(firstButton(harness)->device()->name(), before);
}

TEST(DeviceButtonInPane, DeleteAsksThenRemovesTheDevice)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    const unsigned before = storedCount();
    ASSERT_GT(before, 0u);
    Zarnet::TransferDeviceWidget *button = firstButton(harness);
    ASSERT_NE(button, nullptr);
    const unsigned id = button->device()->deviceId();

    harness.runner.answer(Answers::confirm);
    choose(button, QStringLiteral("Delete"));
    settle();
    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Delete Your Device") });
    EXPECT_EQ(storedCount(), before - 1);
    EXPECT_EQ(TransferDevicesLibrary::TransferDevices::instance("KavoPlayer")->deviceById(id), nullptr);
    Zarnet::TransferDeviceWidget *now = firstButton(harness);
    ASSERT_NE(now, nullptr);
    EXPECT_NE(now->device()->deviceId(), id);
}

TEST(DeviceButtonInPane, WholeNameShowsInTheTipWhileThePlayerWindowIsActive)
{
    {
        auto *store = TransferDevicesLibrary::TransferDevices::instance("KavoPlayer");
        store->createInitialDevices({});
        using TransferDevicesLibrary::TransferDevice;
        std::unique_ptr<TransferDevice>(store->createDevice(2, "Living Room Television"));
    }
    PaneHarness harness;
    harness.setUp();
    QWidget *pane = harness.showButton.popup();
    pane->show();
    settle();
    Zarnet::TransferDeviceWidget *button = firstButton(harness);
    ASSERT_NE(button, nullptr);
    // The player window, not the pane, has the focus.
    QWidget player;
    player.show();
    player.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_FALSE(pane->isActiveWindow());

    QTest::mouseMove(button->ActiveButton, QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Living Room Television")));
}
