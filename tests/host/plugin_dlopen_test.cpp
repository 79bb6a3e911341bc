// The built plug-in, opened with dlopen and driven the way the player drives
// it: its one entry, its two parts, its two items, its slots by name.
#include "host/hostplugin.h"
#include "host/medialibrary.h"
#include "host/playeractions.h"
#include "host/playerplugincontext.h"
#include "host/playertoolbarbutton.h"
#include "plugin/interfaceids.h"
#include "plugin/mediaviewinterface.h"
#include "plugin/menuinterface.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugin.h"
#include "plugin/toolbarinterface.h"
#include "tests/host/hostfakes.h"

#include <QMetaObject>
#include <QToolBar>

#include <gmock/gmock.h>

#include <dlfcn.h>

TEST(PluginDlopenTest, TheBuiltPluginNegotiatesAsThePlayerExpects)
{
    // Never closed: the pane's widgets may outlive its object.
    void *library = dlopen(KAVO_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Entry = int (*)(Orbe::PluginContext *, Orbe::Plugin **);
    auto entry = reinterpret_cast<Entry>(dlsym(library, "_getPlugin"));
    ASSERT_NE(entry, nullptr);

    PlayerPluginContext context;
    StillPlayback playback;
    EmptyView view;
    MediaLibrary media;
    HostPlugin host(&context, &playback, &view, &media);
    host.setPluginInfo(context.addKnownPlugin(QStringLiteral("player"), QString(),
        { interfaceName(Orbe::playbackServicesInterfaceId()), interfaceName(Orbe::mediaViewInterfaceId()),
            interfaceName(Orbe::mediaManagerInterfaceId()) }));
    context.addLoadedPlugin(&host);
    PlayerActions actions; // the numbered commands the pane fetches

    Orbe::Plugin *plugin = nullptr;
    ASSERT_EQ(entry(&context, &plugin), Orbe::Ok);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->refCount(), 1);
    EXPECT_EQ(plugin->context(), &context);
    context.addLoadedPlugin(plugin);

    void *menuPart = nullptr;
    void *toolBarPart = nullptr;
    ASSERT_EQ(plugin->queryInterface(Orbe::menuInterfaceId(), &menuPart), Orbe::Ok);
    ASSERT_EQ(plugin->queryInterface(Orbe::toolBarInterfaceId(), &toolBarPart), Orbe::Ok);
    void *unknown = &context;
    EXPECT_EQ(plugin->queryInterface(Orbe::playbackServicesInterfaceId(), &unknown), Orbe::NotFound);
    EXPECT_EQ(unknown, nullptr);

    auto *toolBar = static_cast<ToolBarInterface *>(toolBarPart);
    const QStringList items = toolBar->toolBarItems(QStringLiteral("ControlButtons"));
    EXPECT_EQ(items, (QStringList { QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming") }));
    EXPECT_TRUE(toolBar->toolBarItems(QStringLiteral("Other")).isEmpty());

    QToolBar bar;
    QList<PlayerToolBarButton *> buttons;
    for (const QString &item : items) {
        auto *button = new PlayerToolBarButton(&bar);
        button->setObjectName(item);
        buttons << button;
        toolBar->setupToolBarItem(item, button);
    }
    // The pane hands each button its pop-up.
    for (PlayerToolBarButton *button : buttons)
        EXPECT_NE(button->popup(), nullptr) << qPrintable(button->objectName());
    // The pane holds references to the player's services now.
    EXPECT_GT(host.refCount(), 1);

    QObject *menuObject = static_cast<MenuInterface *>(menuPart)->menuObject();
    ASSERT_NE(menuObject, nullptr);
    for (const PlayerActions::PaneSlot &entrySlot : PlayerActions::paneSlots()) {
        const QByteArray signature = QMetaObject::normalizedSignature(entrySlot.slot + 1);
        EXPECT_GE(menuObject->metaObject()->indexOfSlot(signature.constData()), 0) << signature.constData();
        EXPECT_TRUE(QObject::connect(
            actions.action(entrySlot.actionId), SIGNAL(triggered()), menuObject, entrySlot.slot));
    }

    const void *identity = plugin;
    EXPECT_EQ(plugin->release(), 0);
    EXPECT_EQ(context.releasedPlugins(), std::vector<const void *> { identity });
    const auto loaded = context.loadedPlugins();
    EXPECT_EQ(loaded, std::vector<Orbe::Plugin *> { &host });
    context.removeLoadedPlugin(&host);
}
