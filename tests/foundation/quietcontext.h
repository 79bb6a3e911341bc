#pragma once

#include "plugin/plugincontext.h"

#include <vector>

// A host context with no plug-ins of its own; counts the releases it hears of.
class QuietContext : public Orbe::PluginContext
{
public:
    std::vector<Orbe::Plugin *> loadedPlugins() override { return {}; }
    std::vector<Orbe::PluginInfo *> knownPlugins() override { return {}; }
    boost::recursive_mutex &mutex() override { return m_mutex; }
    int loadPlugin(Orbe::PluginInfo *, Orbe::Plugin **) override { return Orbe::NotFound; }
    void pluginReleasing(Orbe::Plugin *) override { ++releasing; }
    void pluginReleased(Orbe::Plugin *) override { ++released; }
    int releasing = 0;
    int released = 0;

private:
    boost::recursive_mutex m_mutex;
};
