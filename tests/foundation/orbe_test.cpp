#include "plugin/interfaceids.h"
#include "plugin/orbestring.h"
#include "plugin/plugin.h"
#include "plugin/plugincontext.h"
#include "plugin/pluginfilter.h"
#include "plugin/plugininfo.h"
#include "plugin/plugininterfaceref.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A context that records what the framework asks of it.
class RecordingContext : public Orbe::PluginContext
{
public:
    std::vector<Orbe::Plugin *> loaded;
    std::vector<Orbe::PluginInfo *> known;
    std::vector<std::string> events;
    int loadCalls = 0;
    int loadResult = Orbe::NotFound;
    Orbe::Plugin *loadGives = nullptr;

    std::vector<Orbe::Plugin *> loadedPlugins() override { return loaded; }
    std::vector<Orbe::PluginInfo *> knownPlugins() override { return known; }
    boost::recursive_mutex &mutex() override { return m_mutex; }
    int loadPlugin(Orbe::PluginInfo *, Orbe::Plugin **out) override
    {
        ++loadCalls;
        if (loadResult == Orbe::Ok)
            *out = loadGives;
        return loadResult;
    }
    void pluginReleasing(Orbe::Plugin *) override { events.push_back("releasing"); }
    void pluginReleased(Orbe::Plugin *) override { events.push_back("released"); }

private:
    boost::recursive_mutex m_mutex;
};

class Provider : public Orbe::Plugin
{
public:
    Provider(Orbe::PluginContext *context, Orbe::PluginInfo *info, std::vector<std::string> *events = nullptr)
        : Orbe::Plugin(context)
        , m_events(events)
    {
        setPluginInfo(info);
    }
    ~Provider() override
    {
        if (m_events)
            m_events->push_back("deleted");
    }
    int queryInterface(const Orbe::String &id, void **out) override
    {
        *out = nullptr;
        ++queries;
        if (refuse || !(id == Orbe::playbackServicesInterfaceId()))
            return Orbe::NotFound;
        *out = this;
        return Orbe::Ok;
    }
    int queries = 0;
    bool refuse = false;

private:
    std::vector<std::string> *m_events;
};

Orbe::PluginInfo *recordFor(std::vector<Orbe::PluginInfo> &records, size_t index)
{
    return &records[index];
}

} // namespace

TEST(OrbeString, NullAndEmptyCompareEqualAndCopiesOwnTheirBytes)
{
    const Orbe::String null;
    const Orbe::String empty("");
    EXPECT_EQ(null, empty);
    EXPECT_EQ(null.data(), nullptr);
    EXPECT_EQ(null.length(), 0);

    Orbe::String id("com.kavo.playerX.pluginInterface.Menu");
    Orbe::String copy(id);
    EXPECT_NE(copy.data(), id.data());
    EXPECT_EQ(copy, id);
    EXPECT_EQ(copy.length(), 37);
    copy = Orbe::String("other");
    EXPECT_NE(copy, id);
    copy = copy;
    EXPECT_EQ(copy, Orbe::String("other"));
}

TEST(OrbePlugin, ReleaseDeletesBetweenTheTwoNotifications)
{
    RecordingContext context;
    auto *plugin = new Provider(&context, nullptr, &context.events);
    EXPECT_EQ(plugin->refCount(), 1);
    EXPECT_EQ(plugin->addRef(), 2);
    EXPECT_EQ(plugin->addRef(), 3);
    EXPECT_EQ(plugin->release(), 2);
    EXPECT_EQ(plugin->release(), 1);
    EXPECT_TRUE(context.events.empty());
    EXPECT_EQ(plugin->release(), 0);
    EXPECT_EQ(context.events, (std::vector<std::string> { "releasing", "deleted", "released" }));
}

TEST(FindPlugin, NullOutIsABadArgument)
{
    RecordingContext context;
    EXPECT_EQ(Orbe::findPlugin(&context, nullptr, Orbe::PluginInterfaceFilter(Orbe::menuInterfaceId()), true),
        Orbe::NothingToDo);
}

TEST(FindPlugin, LowerRecordWinsAndTiesKeepListOrder)
{
    RecordingContext context;
    std::vector<Orbe::PluginInfo> records(3);
    for (auto &record : records)
        record.interfaceIds = { Orbe::String("x"), Orbe::playbackServicesInterfaceId() };
    // records[0] has the lowest address.
    Provider high(&context, recordFor(records, 2));
    Provider low(&context, recordFor(records, 0));
    Provider lowToo(&context, recordFor(records, 0));
    Provider other(&context, recordFor(records, 1));
    context.loaded = { &high, &other, &low, &lowToo };

    Orbe::Plugin *found = nullptr;
    ASSERT_EQ(Orbe::findPlugin(
                  &context, &found, Orbe::PluginInterfaceFilter(Orbe::playbackServicesInterfaceId()), false),
        Orbe::Ok);
    EXPECT_EQ(found, &low);
    EXPECT_EQ(low.refCount(), 2);
    EXPECT_EQ(lowToo.refCount(), 1);
    EXPECT_EQ(context.loadCalls, 0);
}

TEST(FindPlugin, FilterPassesOnlyRecordsListingTheId)
{
    RecordingContext context;
    std::vector<Orbe::PluginInfo> records(2);
    records[0].interfaceIds = { Orbe::mediaViewInterfaceId() };
    records[1].interfaceIds = { Orbe::mediaViewInterfaceId(), Orbe::playbackServicesInterfaceId() };
    Provider viewOnly(&context, &records[0]);
    Provider both(&context, &records[1]);
    Provider noRecord(&context, nullptr);
    context.loaded = { &noRecord, &viewOnly, &both };
    Orbe::Plugin *found = nullptr;
    ASSERT_EQ(Orbe::findPlugin(
                  &context, &found, Orbe::PluginInterfaceFilter(Orbe::playbackServicesInterfaceId()), false),
        Orbe::Ok);
    EXPECT_EQ(found, &both);
}

TEST(FindPlugin, NoProviderLoadsOnlyWhenAllowed)
{
    RecordingContext context;
    std::vector<Orbe::PluginInfo> records(2);
    records[0].interfaceIds = { Orbe::playbackServicesInterfaceId() };
    records[1].interfaceIds = { Orbe::mediaViewInterfaceId() };
    context.known = { &records[1], &records[0] };
    Orbe::Plugin *found = nullptr;
    const Orbe::PluginInterfaceFilter filter(Orbe::playbackServicesInterfaceId());
    EXPECT_EQ(Orbe::findPlugin(&context, &found, filter, false), Orbe::NotFound);
    EXPECT_EQ(context.loadCalls, 0);

    context.loadResult = 7;
    EXPECT_EQ(Orbe::findPlugin(&context, &found, filter, true), 7);
    EXPECT_EQ(context.loadCalls, 1);

    // Nothing known provides it: no load at all.
    context.known = { &records[1] };
    EXPECT_EQ(Orbe::findPlugin(&context, &found, filter, true), Orbe::NotFound);
    EXPECT_EQ(context.loadCalls, 1);
}

TEST(PluginInterfaceRef, AcquireHoldsOneReferenceAndASecondCallIsANoOp)
{
    RecordingContext context;
    Orbe::PluginInfo record;
    record.interfaceIds = { Orbe::playbackServicesInterfaceId() };
    Provider provider(&context, &record);
    context.loaded = { &provider };

    const Orbe::PluginInterfaceFilter filter(Orbe::playbackServicesInterfaceId());
    PluginInterfaceRef ref(Orbe::playbackServicesInterfaceId());
    ASSERT_EQ(ref.acquire(&context, filter, true), Orbe::Ok);
    EXPECT_EQ(ref.interface(), &provider);
    EXPECT_EQ(provider.refCount(), 2);
    EXPECT_EQ(ref.acquire(&context, filter, true), Orbe::NothingToDo);
    EXPECT_EQ(provider.queries, 1);
    EXPECT_EQ(provider.refCount(), 2);
    ref.reset();
    EXPECT_EQ(provider.refCount(), 1);
    EXPECT_EQ(ref.interface(), nullptr);
}

TEST(PluginInterfaceRef, RefusedInterfaceReleasesTheProvider)
{
    RecordingContext context;
    Orbe::PluginInfo record;
    record.interfaceIds = { Orbe::playbackServicesInterfaceId() };
    Provider provider(&context, &record);
    provider.refuse = true;
    context.loaded = { &provider };
    PluginInterfaceRef ref(Orbe::playbackServicesInterfaceId());
    EXPECT_EQ(ref.acquire(&context, Orbe::PluginInterfaceFilter(Orbe::playbackServicesInterfaceId()), true),
        Orbe::NotFound);
    EXPECT_EQ(provider.refCount(), 1);
    EXPECT_EQ(ref.provider(), nullptr);
    EXPECT_EQ(ref.interface(), nullptr);
}
