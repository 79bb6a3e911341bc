#pragma once

#include "ipc/refcountedimpl.h"
#include "plugin/interfaceids.h"
#include "plugin/mediamanagerinterface.h"
#include "plugin/mediaviewinterface.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugin.h"
#include "plugin/plugincontext.h"
#include "plugin/plugininfo.h"

#include <QHash>
#include <QList>
#include <QUrl>

#include <algorithm>
#include <vector>

// A host for the pane under test: its playback services, media view and
// media manager are plain data the test sets and reads.
class FakeHost : public Orbe::PluginContext,
                 public PlaybackServicesInterface,
                 public MediaViewInterface,
                 public MediaManagerInterface
{
public:
    FakeHost()
        : m_services(this)
    {
        m_info.interfaceIds = { Orbe::playbackServicesInterfaceId(), Orbe::mediaViewInterfaceId(),
            Orbe::mediaManagerInterfaceId() };
        m_services.setPluginInfo(&m_info);
        m_loaded.push_back(&m_services);
    }
    ~FakeHost() override = default;

    // What the test controls.
    qint64 playingId = 0;
    QHash<qint64, QUrl> items; // playback items and media files by id
    QList<QUrl> selection;
    int transferredNotices = 0;
    int mediaManagerLookups = 0;
    bool offerMediaView = true;

    // Orbe::PluginContext
    std::vector<Orbe::Plugin *> loadedPlugins() override { return m_loaded; }
    std::vector<Orbe::PluginInfo *> knownPlugins() override { return {}; }
    boost::recursive_mutex &mutex() override { return m_mutex; }
    int loadPlugin(Orbe::PluginInfo *, Orbe::Plugin **) override { return Orbe::NotFound; }
    void pluginReleasing(Orbe::Plugin *) override { }
    void pluginReleased(Orbe::Plugin *plugin) override
    {
        m_loaded.erase(std::remove(m_loaded.begin(), m_loaded.end(), plugin), m_loaded.end());
    }

    // PlaybackServicesInterface
    qint64 currentItemId() override { return playingId; }
    QUrl itemUrl(qint64 id) override { return items.value(id); }
    void afterFilesTransferred() override { ++transferredNotices; }

    // MediaViewInterface
    bool isSelectionEmpty() override { return selection.isEmpty(); }
    QList<QUrl> selectedUrls(int) override { return selection; }

    // MediaManagerInterface
    bool findMediaFile(qint64 id, kvtl::RefCountedPtr<MediaFileInterface> &out) override
    {
        ++mediaManagerLookups;
        if (!items.contains(id))
            return false;
        out = new MediaFile(items.value(id));
        return true;
    }

private:
    class MediaFile : public kvtl::RefCountedImpl<MediaFileInterface>
    {
    public:
        explicit MediaFile(const QUrl &url)
            : m_url(url)
        {
        }
        QUrl fileUrl() override { return m_url; }

    private:
        QUrl m_url;
    };

    // The host's own plug-in, through which the pane finds the interfaces.
    class Services : public Orbe::Plugin
    {
    public:
        explicit Services(FakeHost *host)
            : Orbe::Plugin(host)
            , m_host(host)
        {
            addRef();
        }
        int queryInterface(const Orbe::String &id, void **out) override
        {
            *out = nullptr;
            if (id == Orbe::playbackServicesInterfaceId())
                *out = static_cast<PlaybackServicesInterface *>(m_host);
            else if (id == Orbe::mediaViewInterfaceId() && m_host->offerMediaView)
                *out = static_cast<MediaViewInterface *>(m_host);
            else if (id == Orbe::mediaManagerInterfaceId())
                *out = static_cast<MediaManagerInterface *>(m_host);
            return *out ? Orbe::Ok : Orbe::NotFound;
        }
        // Lives inside the host; never deleted through release().
        int release() override { return refCount() > 1 ? Orbe::Plugin::release() : 1; }

    private:
        FakeHost *m_host;
    };

    boost::recursive_mutex m_mutex;
    Orbe::PluginInfo m_info;
    Services m_services;
    std::vector<Orbe::Plugin *> m_loaded;
};
