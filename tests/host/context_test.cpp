// The player's plug-in context: its lists, loading through an entry, the two
// release notifications, and its own services found the way a plug-in finds them.
#include "host/hostplugin.h"
#include "host/medialibrary.h"
#include "host/playerplugincontext.h"
#include "plugin/interfaceids.h"
#include "plugin/mediamanagerinterface.h"
#include "plugin/mediaviewinterface.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugin.h"
#include "plugin/pluginfilter.h"
#include "plugin/plugininterfaceref.h"
#include "tests/host/hostfakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> &journal()
{
    static std::vector<std::string> entries;
    return entries;
}

// Notes whether the context still listed it while it was being deleted.
class RecordingPlugin : public Orbe::Plugin
{
public:
    explicit RecordingPlugin(Orbe::PluginContext *context)
        : Orbe::Plugin(context)
    {
    }
    ~RecordingPlugin() override
    {
        const auto loaded = context()->loadedPlugins();
        const bool listed = std::find(loaded.begin(), loaded.end(), this) != loaded.end();
        journal().push_back(listed ? "deleted while listed" : "deleted");
    }
    int queryInterface(const Orbe::String &, void **out) override
    {
        if (out)
            *out = nullptr;
        return Orbe::NotFound;
    }
};

int makeRecording(Orbe::PluginContext *context, Orbe::Plugin **out)
{
    journal().push_back("_getPlugin");
    *out = new RecordingPlugin(context);
    return Orbe::Ok;
}

int refuse(Orbe::PluginContext *, Orbe::Plugin **out)
{
    *out = nullptr;
    return Orbe::NotFound;
}

int giveNothing(Orbe::PluginContext *, Orbe::Plugin **out)
{
    *out = nullptr;
    return Orbe::Ok;
}

class ContextTest : public ::testing::Test
{
protected:
    void SetUp() override { journal().clear(); }

    void useEntry(PlayerPluginContext::GetPluginFunction entry)
    {
        context.setEntryResolver([this, entry](const Orbe::PluginInfo &, QString *) {
            ++resolved;
            return entry;
        });
    }

    PlayerPluginContext context;
    int resolved = 0;
};

} // namespace

TEST_F(ContextTest, LoadingListsThePluginUnderItsRecordUntilItIsReleased)
{
    useEntry(&makeRecording);
    Orbe::PluginInfo *record = context.addKnownPlugin(
        QStringLiteral("pane"), QStringLiteral("/nowhere.so"), { QStringLiteral("x.Menu") });
    Orbe::Plugin *plugin = nullptr;
    ASSERT_EQ(context.loadPlugin(record, &plugin), Orbe::Ok);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->pluginInfo(), record);
    EXPECT_EQ(plugin->refCount(), 1);
    EXPECT_EQ(context.loadedPlugins(), std::vector<Orbe::Plugin *> { plugin });

    const void *identity = plugin;
    EXPECT_EQ(plugin->release(), 0);
    // pluginReleasing took it off the list before the destructor ran.
    EXPECT_EQ(journal(), (std::vector<std::string> { "_getPlugin", "deleted" }));
    EXPECT_TRUE(context.loadedPlugins().empty());
    EXPECT_EQ(context.releasedPlugins(), std::vector<const void *> { identity });
}

TEST_F(ContextTest, ASecondLoadOfTheSameRecordSharesTheObject)
{
    useEntry(&makeRecording);
    Orbe::PluginInfo *record = context.addKnownPlugin(QStringLiteral("pane"), QString(), {});
    Orbe::Plugin *first = nullptr;
    Orbe::Plugin *second = nullptr;
    ASSERT_EQ(context.loadPlugin(record, &first), Orbe::Ok);
    ASSERT_EQ(context.loadPlugin(record, &second), Orbe::Ok);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->refCount(), 2);
    EXPECT_EQ(resolved, 1);
    EXPECT_EQ(first->release(), 1);
    EXPECT_EQ(context.loadedPlugins().size(), 1u);
    EXPECT_EQ(second->release(), 0);
    EXPECT_TRUE(context.loadedPlugins().empty());
}

TEST_F(ContextTest, BadArgumentsAndRefusalsAreResults)
{
    useEntry(&makeRecording);
    Orbe::PluginInfo *record = context.addKnownPlugin(QStringLiteral("pane"), QString(), {});
    EXPECT_EQ(context.loadPlugin(record, nullptr), Orbe::NothingToDo);
    Orbe::Plugin *plugin = reinterpret_cast<Orbe::Plugin *>(0x1);
    EXPECT_EQ(context.loadPlugin(nullptr, &plugin), Orbe::NotFound);
    EXPECT_EQ(plugin, nullptr);

    useEntry(&refuse);
    EXPECT_EQ(context.loadPlugin(record, &plugin), Orbe::NotFound);
    EXPECT_EQ(plugin, nullptr);
    useEntry(&giveNothing);
    EXPECT_EQ(context.loadPlugin(record, &plugin), Orbe::NotFound);
    EXPECT_FALSE(context.errorString().isEmpty());
    useEntry(nullptr);
    EXPECT_EQ(context.loadPlugin(record, &plugin), Orbe::NotFound);
    EXPECT_TRUE(context.loadedPlugins().empty());
    EXPECT_TRUE(journal().empty());
}

TEST_F(ContextTest, LibrariesThatCannotServeAreRefusedWithAReason)
{
    Orbe::Plugin *plugin = nullptr;
    Orbe::PluginInfo *missing
        = context.addKnownPlugin(QStringLiteral("a"), QStringLiteral("/no/such/lib.so"), {});
    EXPECT_EQ(context.loadPlugin(missing, &plugin), Orbe::NotFound);
    EXPECT_FALSE(context.errorString().isEmpty());

    Orbe::PluginInfo *noPath = context.addKnownPlugin(QStringLiteral("b"), QString(), {});
    EXPECT_EQ(context.loadPlugin(noPath, &plugin), Orbe::NotFound);

    // A real library without the entry.
    Orbe::PluginInfo *noEntry
        = context.addKnownPlugin(QStringLiteral("c"), QStringLiteral(KAVO_ZRT_LIBRARY), {});
    EXPECT_EQ(context.loadPlugin(noEntry, &plugin), Orbe::NotFound);
    EXPECT_TRUE(context.errorString().contains(QStringLiteral("_getPlugin")));
    EXPECT_EQ(plugin, nullptr);
}

TEST_F(ContextTest, FindPluginLoadsAKnownProviderOnlyWhenAllowed)
{
    useEntry(&makeRecording);
    context.addKnownPlugin(QStringLiteral("pane"), QString(), { QStringLiteral("x.Menu") });
    Orbe::Plugin *found = nullptr;
    const Orbe::PluginInterfaceFilter filter(Orbe::String("x.Menu"));
    EXPECT_EQ(Orbe::findPlugin(&context, &found, filter, false), Orbe::NotFound);
    EXPECT_EQ(resolved, 0);
    ASSERT_EQ(Orbe::findPlugin(&context, &found, filter, true), Orbe::Ok);
    EXPECT_EQ(resolved, 1);
    // Now it is loaded: found again without loading, with a reference more.
    Orbe::Plugin *again = nullptr;
    ASSERT_EQ(Orbe::findPlugin(&context, &again, filter, false), Orbe::Ok);
    EXPECT_EQ(again, found);
    EXPECT_EQ(found->refCount(), 2);
    again->release();
    found->release();
    EXPECT_TRUE(context.loadedPlugins().empty());
}

TEST_F(ContextTest, ThePlayersServicesAreFoundThroughTheLoadedList)
{
    StillPlayback playback(7);
    EmptyView view;
    MediaLibrary library;
    HostPlugin host(&context, &playback, &view, &library);
    host.setPluginInfo(context.addKnownPlugin(QStringLiteral("player"), QString(),
        { interfaceName(Orbe::playbackServicesInterfaceId()), interfaceName(Orbe::mediaViewInterfaceId()),
            interfaceName(Orbe::mediaManagerInterfaceId()) }));
    context.addLoadedPlugin(&host);

    PluginInterfaceRef playbackRef(Orbe::playbackServicesInterfaceId());
    ASSERT_EQ(
        playbackRef.acquire(&context, Orbe::PluginInterfaceFilter(Orbe::playbackServicesInterfaceId()), true),
        Orbe::Ok);
    EXPECT_EQ(playbackRef.provider(), &host);
    EXPECT_EQ(playbackRef.as<PlaybackServicesInterface>(), &playback);
    EXPECT_EQ(playbackRef.as<PlaybackServicesInterface>()->currentItemId(), 7);

    PluginInterfaceRef viewRef(Orbe::mediaViewInterfaceId());
    ASSERT_EQ(
        viewRef.acquire(&context, Orbe::PluginInterfaceFilter(Orbe::mediaViewInterfaceId()), true), Orbe::Ok);
    EXPECT_EQ(viewRef.as<MediaViewInterface>(), &view);
    PluginInterfaceRef managerRef(Orbe::mediaManagerInterfaceId());
    ASSERT_EQ(
        managerRef.acquire(&context, Orbe::PluginInterfaceFilter(Orbe::mediaManagerInterfaceId()), true),
        Orbe::Ok);
    EXPECT_EQ(managerRef.as<MediaManagerInterface>(), static_cast<MediaManagerInterface *>(&library));
    EXPECT_EQ(host.refCount(), 4);

    playbackRef.reset();
    viewRef.reset();
    managerRef.reset();
    EXPECT_EQ(host.refCount(), 1);
    // The player owns it: a count that falls to zero deletes nothing.
    EXPECT_EQ(host.release(), 0);
    EXPECT_EQ(host.release(), 0);
    EXPECT_EQ(host.refCount(), 0);
    context.removeLoadedPlugin(&host);
    EXPECT_TRUE(context.loadedPlugins().empty());
}

TEST_F(ContextTest, TheHostPluginAnswersOnlyItsThreeIds)
{
    StillPlayback playback(7);
    EmptyView view;
    MediaLibrary library;
    HostPlugin host(&context, &playback, &view, &library);
    void *out = &host;
    EXPECT_EQ(host.queryInterface(Orbe::menuInterfaceId(), &out), Orbe::NotFound);
    EXPECT_EQ(out, nullptr);
    out = &host;
    EXPECT_EQ(host.queryInterface(Orbe::String(), &out), Orbe::NotFound);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(host.queryInterface(Orbe::mediaViewInterfaceId(), nullptr), Orbe::NothingToDo);
    ASSERT_EQ(host.queryInterface(Orbe::mediaViewInterfaceId(), &out), Orbe::Ok);
    EXPECT_EQ(out, static_cast<MediaViewInterface *>(&view));

    // Without a manager the id is refused rather than answered with null.
    HostPlugin partial(&context, &playback, &view, nullptr);
    EXPECT_EQ(partial.queryInterface(Orbe::mediaManagerInterfaceId(), &out), Orbe::NotFound);
}

TEST(MediaLibraryTest, ListsVideoFilesByNameAndResolvesTheirIds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("sub"));
    for (const char *name : { "clip10.mp4", "clip9.MKV", "notes.txt", "sub/deep.avi", "cover.jpg" }) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    MediaLibrary library;
    ASSERT_TRUE(library.loadFolder(dir.path()));
    QStringList titles;
    for (const MediaLibrary::Item &item : library.items())
        titles << item.title;
    // Numbers in names sort as numbers; the suffix's case does not matter.
    EXPECT_EQ(
        titles, (QStringList { QStringLiteral("clip9"), QStringLiteral("clip10"), QStringLiteral("deep") }));

    const MediaLibrary::Item &first = library.items().first();
    kvtl::RefCountedPtr<MediaManagerInterface::MediaFileInterface> file;
    ASSERT_TRUE(library.findMediaFile(first.id, file));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->fileUrl(), QUrl::fromLocalFile(first.path));
    EXPECT_EQ(file->GetRefCount(), 1);

    kvtl::RefCountedPtr<MediaManagerInterface::MediaFileInterface> none;
    EXPECT_FALSE(library.findMediaFile(0, none));
    EXPECT_FALSE(library.findMediaFile(first.id + 1000, none));
    EXPECT_FALSE(none);

    EXPECT_FALSE(library.loadFolder(dir.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(library.items().isEmpty());
    EXPECT_FALSE(library.findMediaFile(first.id, none));
}
