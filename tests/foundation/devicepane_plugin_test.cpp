#include "pane/devicepane.h"
#include "plugin/interfaceids.h"
#include "plugin/plugincontext.h"
#include "tests/foundation/quietcontext.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DevicePanePlugin, AnswersTheMenuAndToolBarIdsOnly)
{
    QuietContext context;
    auto *pane = new Zarnet::DevicePane(&context);
    Orbe::Plugin *plugin = pane;

    void *out = reinterpret_cast<void *>(1);
    ASSERT_EQ(plugin->queryInterface(Orbe::menuInterfaceId(), &out), Orbe::Ok);
    EXPECT_EQ(out, static_cast<MenuInterface *>(pane));
    EXPECT_EQ(static_cast<MenuInterface *>(out)->menuObject(), static_cast<QObject *>(pane));
    ASSERT_EQ(plugin->queryInterface(Orbe::toolBarInterfaceId(), &out), Orbe::Ok);
    EXPECT_EQ(out, static_cast<ToolBarInterface *>(pane));
    EXPECT_EQ(plugin->refCount(), 1);

    out = reinterpret_cast<void *>(1);
    EXPECT_EQ(plugin->queryInterface(Orbe::String(), &out), Orbe::NotFound);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(plugin->queryInterface(Orbe::playbackServicesInterfaceId(), &out), Orbe::NotFound);

    auto *toolBar = static_cast<ToolBarInterface *>(pane);
    EXPECT_EQ(toolBar->toolBarItems(QStringLiteral("ControlButtons")),
        (QStringList { QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming") }));
    EXPECT_TRUE(toolBar->toolBarItems(QStringLiteral("Other")).isEmpty());
    EXPECT_TRUE(toolBar->toolBarItems(QString()).isEmpty());

    EXPECT_EQ(plugin->release(), 0);
    EXPECT_EQ(context.releasing, 1);
    EXPECT_EQ(context.released, 1);
}

TEST(DevicePanePlugin, MetacastFindsEveryPart)
{
    QuietContext context;
    auto *pane = new Zarnet::DevicePane(&context);
    QObject *object = pane;
    EXPECT_EQ(object->qt_metacast("Zarnet::DevicePane"), static_cast<void *>(pane));
    EXPECT_EQ(object->qt_metacast("MenuInterface"), static_cast<void *>(static_cast<MenuInterface *>(pane)));
    EXPECT_EQ(
        object->qt_metacast("ToolBarInterface"), static_cast<void *>(static_cast<ToolBarInterface *>(pane)));
    EXPECT_EQ(
        object->qt_metacast("Ui::DevicePane"), static_cast<void *>(static_cast<Ui::DevicePane *>(pane)));
    EXPECT_EQ(object->qt_metacast("Ui::MediaServerFunctionPane"),
        static_cast<void *>(static_cast<Ui::MediaServerFunctionPane *>(pane)));
    EXPECT_EQ(object->qt_metacast("kvds::IKavoIPCCallback"),
        static_cast<void *>(static_cast<kvds::IKavoIPCCallback *>(pane)));
    EXPECT_EQ(object->qt_metacast("Orbe::Plugin"), static_cast<void *>(static_cast<Orbe::Plugin *>(pane)));
    EXPECT_EQ(object->qt_metacast("QObject"), static_cast<void *>(object));
    EXPECT_EQ(object->qt_metacast("Unknown"), nullptr);
    EXPECT_EQ(object->qt_metacast(nullptr), nullptr);

    // The callback part does not count and never deletes.
    kvds::IKavoIPCCallback *callback = pane;
    EXPECT_EQ(callback->AddRef(), 1);
    EXPECT_EQ(callback->Release(), 1);
    EXPECT_EQ(callback->Release(), 1);
    EXPECT_EQ(callback->GetRefCount(), 1);
    static_cast<Orbe::Plugin *>(pane)->release();
}
