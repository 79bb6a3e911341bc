// The "context" of the transfer, burn and stream commands follows the menu
// they are used from: the Playback menu acts on what plays, the library's
// menus and the keyboard on the library's selection.
#include "host/medialistwidget.h"
#include "host/playeractions.h"
#include "host/playerwindow.h"
#include "tests/host/fakepane.h"
#include "zrt/commonmenubar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gmock/gmock.h>

using Zarnet::CommonMenuBar;

namespace {

QString contextOf(PlayerWindow &window, unsigned id)
{
    return window.playerActions()->action(id)->property("context").toString();
}

void openAndClose(QMenu *menu)
{
    menu->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->close();
}

class ContextPropertyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakePane::calls().clear();
        FakePane::offerMenu = true;
        window.pluginContext().setEntryResolver(
            [](const Orbe::PluginInfo &, QString *) { return &FakePane::entry; });
        ASSERT_TRUE(window.loadPlugin(QStringLiteral("/fake.so")));
    }

    PlayerWindow window;
};

} // namespace

TEST_F(ContextPropertyTest, EachMenuSetsItsContextWhileItOpens)
{
    for (unsigned id : { unsigned(CommonMenuBar::TransferTo), unsigned(CommonMenuBar::Burn),
             unsigned(CommonMenuBar::StreamTo) }) {
        openAndClose(window.playbackMenu());
        EXPECT_EQ(contextOf(window, id), QStringLiteral("playback_context")) << id;
        openAndClose(window.libraryContextMenu());
        EXPECT_EQ(contextOf(window, id), QStringLiteral("library_context")) << id;
        openAndClose(window.playbackMenu());
        openAndClose(window.libraryMenu());
        EXPECT_EQ(contextOf(window, id), QStringLiteral("library_context")) << id;
    }
}

TEST_F(ContextPropertyTest, ACommandChosenInAMenuRunsWithThatMenusContext)
{
    QMenu *playback = window.playbackMenu();
    playback->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([playback] { return playback->isVisible(); }));
    playback->setActiveAction(window.playerActions()->action(CommonMenuBar::Burn));
    QTest::keyClick(playback, Qt::Key_Return);
    ASSERT_FALSE(FakePane::calls().isEmpty());
    EXPECT_EQ(FakePane::calls().last(), QStringLiteral("burnFilesSlot playback_context"));

    QMenu *library = window.libraryContextMenu();
    library->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([library] { return library->isVisible(); }));
    library->setActiveAction(window.playerActions()->action(CommonMenuBar::StreamTo));
    QTest::keyClick(library, Qt::Key_Return);
    EXPECT_EQ(FakePane::calls().last(), QStringLiteral("streamToSlot library_context"));
}

TEST_F(ContextPropertyTest, TheKeyboardActsOnTheLibraryEvenAfterThePlaybackMenu)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    openAndClose(window.playbackMenu());
    ASSERT_EQ(contextOf(window, CommonMenuBar::Burn), QStringLiteral("playback_context"));
    FakePane::calls().clear();
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(FakePane::calls(), QStringList { QStringLiteral("burnFilesSlot library_context") });
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(FakePane::calls().last(), QStringLiteral("toggleDevicePane"));
}
