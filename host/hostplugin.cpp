#include "host/hostplugin.h"

#include "plugin/interfaceids.h"

HostPlugin::HostPlugin(Orbe::PluginContext *context, PlaybackServicesInterface *playback,
    MediaViewInterface *view, MediaManagerInterface *manager)
    : Orbe::Plugin(context)
    , m_playback(playback)
    , m_view(view)
    , m_manager(manager)
{
}

int HostPlugin::queryInterface(const Orbe::String &id, void **out)
{
    if (!out)
        return Orbe::NothingToDo;
    *out = nullptr;
    void *found = nullptr;
    if (id == Orbe::playbackServicesInterfaceId())
        found = m_playback;
    else if (id == Orbe::mediaViewInterfaceId())
        found = m_view;
    else if (id == Orbe::mediaManagerInterfaceId())
        found = m_manager;
    if (!found)
        return Orbe::NotFound;
    *out = found;
    return Orbe::Ok;
}
