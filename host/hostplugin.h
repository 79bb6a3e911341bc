#pragma once

#include "plugin/plugin.h"

class MediaManagerInterface;
class MediaViewInterface;
class PlaybackServicesInterface;

// Offers the player's own services to plug-ins, which find it through the
// loaded list like any other provider. The player owns it: plug-ins may still
// hold references when they are released, so the count never deletes it.
class HostPlugin : public Orbe::Plugin
{
public:
    HostPlugin(Orbe::PluginContext *context, PlaybackServicesInterface *playback, MediaViewInterface *view,
        MediaManagerInterface *manager);

    int addRef() override { return ++m_count; }
    int release() override { return m_count > 0 ? --m_count : 0; }
    int refCount() override { return m_count; }
    int queryInterface(const Orbe::String &id, void **out) override;

private:
    PlaybackServicesInterface *m_playback;
    MediaViewInterface *m_view;
    MediaManagerInterface *m_manager;
    int m_count = 1;
};
