// The player drives a plug-in in one fixed order: entry, menu and tool-bar
// parts, items, one button per item, actions wired by slot name, release.
#include "host/playeractions.h"
#include "host/playerplugincontext.h"
#include "host/playertoolbarbutton.h"
#include "host/playerwindow.h"
#include "host/pluginsession.h"
#include "tests/host/fakepane.h"
#include "zrt/commonmenubar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gmock/gmock.h>

#include <memory>

using Zarnet::CommonMenuBar;

namespace {

class NegotiationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakePane::calls().clear();
        FakePane::offerMenu = true;
        context.setEntryResolver([](const Orbe::PluginInfo &, QString *) { return &FakePane::entry; });
        record = context.addKnownPlugin(QStringLiteral("fake"), QStringLiteral("/fake.so"), {});
    }

    QList<PluginSession::Binding> bindings() const
    {
        QList<PluginSession::Binding> list;
        for (const PlayerActions::PaneSlot &entry : PlayerActions::paneSlots())
            list << PluginSession::Binding { actions.action(entry.actionId), entry.slot };
        return list;
    }

    PlayerPluginContext context;
    Orbe::PluginInfo *record = nullptr;
    PlayerActions actions;
    QToolBar bar;
};

} // namespace

TEST_F(NegotiationTest, ThePlayerCallsThePluginInTheContractsOrder)
{
    PluginSession session;
    ASSERT_TRUE(session.open(
        context, record,
        [this](const QString &item) {
            auto *button = new PlayerToolBarButton(&bar);
            button->setObjectName(item);
            return button;
        },
        bindings()));
    EXPECT_EQ(FakePane::calls(),
        (QStringList {
            QStringLiteral("_getPlugin"),
            QStringLiteral("queryInterface Menu"),
            QStringLiteral("queryInterface ToolBar"),
            QStringLiteral("toolBarItems ControlButtons"),
            QStringLiteral("setupToolBarItem ShowDeviceMenu ShowDeviceMenu"),
            QStringLiteral("setupToolBarItem Streaming Streaming"),
            QStringLiteral("menuObject"),
        }));
    EXPECT_EQ(session.toolBarItems(),
        (QStringList { QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming") }));
    ASSERT_EQ(session.buttons().size(), 2);
    // The buttons are the player library's class, as the plug-in expects.
    EXPECT_TRUE(qobject_cast<Zarnet::ZRTToolBarButton *>(session.buttons().first()));
    EXPECT_TRUE(session.unboundSlots().isEmpty());

    FakePane::calls().clear();
    actions.action(CommonMenuBar::ShowDevicePane)->trigger();
    actions.action(CommonMenuBar::HideDevicePane)->trigger();
    actions.action(CommonMenuBar::MediaServerSettings)->trigger();
    actions.action(CommonMenuBar::TransferTo)->trigger(); // the pane's own submenu; no slot
    EXPECT_EQ(FakePane::calls(),
        (QStringList { QStringLiteral("toggleDevicePane"), QStringLiteral("toggleDevicePane"),
            QStringLiteral("launchKMSClicked") }));

    FakePane::calls().clear();
    session.close();
    EXPECT_EQ(FakePane::calls(), QStringList { QStringLiteral("deleted") });
    EXPECT_TRUE(context.loadedPlugins().empty());
    EXPECT_EQ(context.releasedPlugins().size(), 1u);
    // Released: the actions reach nothing any more.
    FakePane::calls().clear();
    actions.action(CommonMenuBar::ShowDevicePane)->trigger();
    EXPECT_TRUE(FakePane::calls().isEmpty());
}

TEST_F(NegotiationTest, APluginWithoutItsMenuPartIsReleasedAndReported)
{
    FakePane::offerMenu = false;
    PluginSession session;
    int made = 0;
    EXPECT_FALSE(session.open(
        context, record,
        [&made](const QString &) {
            ++made;
            return nullptr;
        },
        bindings()));
    EXPECT_FALSE(session.errorString().isEmpty());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(FakePane::calls(),
        (QStringList { QStringLiteral("_getPlugin"), QStringLiteral("queryInterface Menu"),
            QStringLiteral("queryInterface ToolBar"), QStringLiteral("deleted") }));
    EXPECT_TRUE(context.loadedPlugins().empty());
}

TEST_F(NegotiationTest, ASlotThePluginLacksIsReportedAndTheOthersStillWork)
{
    PluginSession session;
    QList<PluginSession::Binding> list = bindings();
    list << PluginSession::Binding { actions.action(CommonMenuBar::TransferTo), SLOT(noSuchSlot()) };
    ASSERT_TRUE(session.open(
        context, record, [](const QString &) { return nullptr; }, list));
    EXPECT_EQ(session.unboundSlots(), QStringList { QStringLiteral("noSuchSlot()") });
    FakePane::calls().clear();
    actions.action(CommonMenuBar::Burn)->trigger();
    EXPECT_EQ(FakePane::calls().size(), 1);
}

TEST_F(NegotiationTest, TheWindowGivesThePluginItsButtonsOnTheControlBar)
{
    PlayerWindow window;
    window.pluginContext().setEntryResolver(
        [](const Orbe::PluginInfo &, QString *) { return &FakePane::entry; });
    EXPECT_FALSE(window.playerActions()->action(CommonMenuBar::Burn)->isEnabled());
    ASSERT_TRUE(window.loadPlugin(QStringLiteral("/fake.so")));
    for (const char *item : { "ShowDeviceMenu", "Streaming" }) {
        QToolButton *button = window.pluginButton(QLatin1String(item));
        ASSERT_TRUE(button) << item;
        EXPECT_EQ(button->parentWidget(), window.controlBar());
        EXPECT_TRUE(qobject_cast<PlayerToolBarButton *>(button));
    }
    EXPECT_TRUE(window.playerActions()->action(CommonMenuBar::Burn)->isEnabled());
    // The player's own services are in the loaded list beside the plug-in.
    EXPECT_EQ(window.pluginContext().loadedPlugins().size(), 2u);

    window.unloadPlugin();
    EXPECT_TRUE(FakePane::calls().contains(QStringLiteral("deleted")));
    EXPECT_FALSE(window.playerActions()->action(CommonMenuBar::Burn)->isEnabled());
    EXPECT_EQ(window.pluginContext().loadedPlugins().size(), 1u);
}

TEST_F(NegotiationTest, AMissingLibraryLeavesAWorkingPlayerAndSaysWhy)
{
    PlayerWindow window;
    EXPECT_FALSE(window.loadPlugin(QStringLiteral("/no/such/libdevicepane.so")));
    EXPECT_FALSE(window.pluginError().isEmpty());
    EXPECT_FALSE(window.pluginButton(QStringLiteral("ShowDeviceMenu")));
    EXPECT_FALSE(window.playerActions()->action(CommonMenuBar::ShowDevicePane)->isEnabled());
}
