#pragma once

#include "plugin/plugincontext.h"

// A context that only has to exist: the dialogs look at nothing but whether they got one.
class FakePluginContext : public Orbe::PluginContext
{
public:
    std::vector<Orbe::Plugin *> loadedPlugins() override { return {}; }
    std::vector<Orbe::PluginInfo *> knownPlugins() override { return {}; }
    boost::recursive_mutex &mutex() override { return m_mutex; }
    int loadPlugin(Orbe::PluginInfo *, Orbe::Plugin **) override { return 3; }
    void pluginReleasing(Orbe::Plugin *) override { }
    void pluginReleased(Orbe::Plugin *) override { }

private:
    boost::recursive_mutex m_mutex;
};
