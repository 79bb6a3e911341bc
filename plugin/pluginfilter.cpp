#include "plugin/pluginfilter.h"

#include "plugin/plugin.h"
#include "plugin/plugincontext.h"
#include "plugin/plugininfo.h"

#include <cstdint>
#include <mutex>

namespace Orbe {

bool PluginInterfaceFilter::operator()(const PluginInfo *info) const
{
    if (!info)
        return false;
    for (const String &id : info->interfaceIds) {
        if (id == m_id)
            return true;
    }
    return false;
}

bool SimplePluginInfoSelector::operator()(const PluginInfo *current, const PluginInfo *candidate) const
{
    return reinterpret_cast<std::uintptr_t>(candidate) < reinterpret_cast<std::uintptr_t>(current);
}

int findPlugin(PluginContext *context, Plugin **out, const PluginInterfaceFilter &filter, bool allowLoad)
{
    if (!out)
        return NothingToDo;
    if (!context)
        return NotFound;

    const SimplePluginInfoSelector selector;
    const std::vector<Plugin *> loaded = context->loadedPlugins();
    std::vector<Plugin *> candidates;
    {
        std::lock_guard<boost::recursive_mutex> lock(context->mutex());
        for (Plugin *plugin : loaded) {
            if (plugin && filter(plugin->pluginInfo()))
                candidates.push_back(plugin);
        }
    }
    Plugin *chosen = nullptr;
    for (Plugin *candidate : candidates) {
        if (!chosen || selector(chosen->pluginInfo(), candidate->pluginInfo()))
            chosen = candidate;
    }
    if (chosen) {
        *out = chosen;
        chosen->addRef();
        return Ok;
    }
    if (!allowLoad)
        return NotFound;

    PluginInfo *record = nullptr;
    for (PluginInfo *info : context->knownPlugins()) {
        if (filter(info) && (!record || selector(record, info)))
            record = info;
    }
    if (!record)
        return NotFound;
    return context->loadPlugin(record, out);
}

} // namespace Orbe
