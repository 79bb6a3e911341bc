#include "tests/pane/panetestsupport.h"

#include "devices/transferdevices.h"

#include <QCoreApplication>
#include <QDialog>

#include <gtest/gtest.h>

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QAction *submenuEntry(PaneHarness &harness, int index)
{
    QMenu *menu = harness.action(2010)->menu();
    return menu && index < menu->actions().size() ? menu->actions().at(index) : nullptr;
}

const QUrl fileA = QUrl::fromLocalFile(QStringLiteral("/videos/a.mp4"));
const QUrl fileB = QUrl::fromLocalFile(QStringLiteral("/videos/b.mp4"));

} // namespace

TEST(PaneTransfer, SubmenuEntryHandsTheSelectionToItsDevice)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    harness.host.selection = { fileA, fileB };
    harness.action(2010)->setProperty("context", QStringLiteral("library_context"));
    submenuEntry(harness, 1)->trigger();

    ASSERT_EQ(harness.transfers.size(), 1u);
    EXPECT_EQ(harness.transfers[0].target, 10001u);
    EXPECT_EQ(harness.transfers[0].urls, (QList<QUrl> { fileA, fileB }));
    EXPECT_EQ(harness.host.transferredNotices, 1);
}

TEST(PaneTransfer, EmptySelectionTransfersNothingSilently)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    submenuEntry(harness, 0)->trigger();
    harness.pane->burnFilesSlot();
    EXPECT_TRUE(harness.transfers.empty());
    EXPECT_EQ(harness.host.transferredNotices, 0);
    EXPECT_TRUE(harness.runner.titles().isEmpty());
}

TEST(PaneTransfer, PlaybackContextWithNothingPlayingStillCallsTheWizard)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    harness.host.selection = { fileA };
    harness.action(2010)->setProperty("context", QStringLiteral("playback_context"));
    submenuEntry(harness, 0)->trigger();
    ASSERT_EQ(harness.transfers.size(), 1u);
    EXPECT_TRUE(harness.transfers[0].urls.isEmpty());
    EXPECT_EQ(harness.host.transferredNotices, 1);

    harness.host.playingId = 42;
    harness.host.items.insert(42, fileB);
    submenuEntry(harness, 0)->trigger();
    ASSERT_EQ(harness.transfers.size(), 2u);
    EXPECT_EQ(harness.transfers[1].urls, QList<QUrl> { fileB });
}

TEST(PaneTransfer, BurnUsesItsOwnContextAndTarget)
{
    PaneHarness harness;
    harness.setUp();
    settle();
    harness.host.selection = { fileA };
    harness.host.playingId = 7;
    harness.host.items.insert(7, fileB);
    harness.action(2010)->setProperty("context", QStringLiteral("playback_context"));
    harness.pane->burnFilesSlot();
    harness.action(2015)->setProperty("context", QStringLiteral("playback_context"));
    harness.pane->burnFilesSlot();
    ASSERT_EQ(harness.transfers.size(), 2u);
    EXPECT_EQ(harness.transfers[0].target, 1000u);
    EXPECT_EQ(harness.transfers[0].urls, QList<QUrl> { fileA });
    EXPECT_EQ(harness.transfers[1].urls, QList<QUrl> { fileB });
}

TEST(PaneTransfer, EmptyStoreOffersAddADeviceWhichTransfersNothing)
{
    {
        // A store that has had devices and lost them all: no defaults again.
        auto *store = TransferDevicesLibrary::TransferDevices::instance("KavoPlayer");
        store->removeDevice(store->createDevice(0, "gone"));
    }
    PaneHarness harness;
    harness.setUp();
    settle();
    const auto entries = harness.submenu();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].first, QStringLiteral("Add a Device..."));
    EXPECT_EQ(entries[0].second, 0u);

    harness.host.selection = { fileA };
    harness.runner.answer([](QDialog &d) { Answers::clickButton(d, "CancelButton"); });
    submenuEntry(harness, 0)->trigger();
    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Add a Device") });
    EXPECT_TRUE(harness.transfers.empty());
}
