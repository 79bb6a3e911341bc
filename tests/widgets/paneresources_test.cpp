// The plug-in carries its images: they appear when the library is loaded and
// are gone once it is unloaded. This program does not link the pane itself.
#include <QFile>
#include <QImage>

#include <dlfcn.h>

#include <gtest/gtest.h>

TEST(PaneResources, RegisteredWhileThePluginIsLoaded)
{
    const QString probe = QStringLiteral(":/DevicePane/Icon/DVD");
    ASSERT_FALSE(QFile::exists(probe));

    void *plugin = dlopen(KAVO_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(plugin, nullptr) << dlerror();
    EXPECT_NE(dlsym(plugin, "_getPlugin"), nullptr);
    EXPECT_TRUE(QFile::exists(probe));
    EXPECT_EQ(QImage(probe).size(), QSize(180, 33));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/ControlBar/Streaming/Pressed")));

    ASSERT_EQ(dlclose(plugin), 0);
    // Still mapped would mean the images had stayed registered too.
    EXPECT_EQ(dlopen(KAVO_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    EXPECT_FALSE(QFile::exists(probe));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/ControlBar/Streaming/Pressed")));
}
