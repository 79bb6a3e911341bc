#pragma once

#include <boost/thread/recursive_mutex.hpp>

#include <vector>

namespace Orbe {

class Plugin;
struct PluginInfo;

// What a plug-in reads of its host: the loaded plug-ins, the known records,
// the lock around the loaded list, and loading on demand.
class PluginContext
{
public:
    virtual ~PluginContext() = default;

    virtual std::vector<Plugin *> loadedPlugins() = 0;
    virtual std::vector<PluginInfo *> knownPlugins() = 0;
    virtual boost::recursive_mutex &mutex() = 0;
    // 0 and a referenced plug-in in *out, or another code.
    virtual int loadPlugin(PluginInfo *record, Plugin **out) = 0;
    virtual void pluginReleasing(Plugin *plugin) = 0;
    virtual void pluginReleased(Plugin *plugin) = 0;
};

} // namespace Orbe
