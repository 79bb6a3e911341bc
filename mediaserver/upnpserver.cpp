#include "mediaserver/upnpserver.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <rygel-server.h>

#include <cstdio>

namespace {

// The engine's configuration: no IPv6 (its multicast errors flood the
// log), and files go out as they are, through Rygel's simple engine (its
// GStreamer one transcodes on the fly, which answers empty or 404 here).
const char EngineConfig[] = "[general]\n"
                            "ipv6=false\n"
                            "media-engine=librygel-media-engine-simple.so\n"
                            "enable-transcoding=false\n"
                            "allow-upload=false\n"
                            "allow-deletion=false\n";

bool debugging()
{
    return qEnvironmentVariableIsSet("KAVO_DEBUG");
}

void dropLog(const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer)
{
    if (debugging())
        g_log_default_handler(domain, level, message, nullptr);
}

GLogWriterOutput dropStructuredLog(GLogLevelFlags level, const GLogField *fields, gsize count, gpointer data)
{
    if (debugging())
        return g_log_writer_default(level, fields, count, data);
    return G_LOG_WRITER_HANDLED;
}

// The engine reads one configuration for the life of the process; ours
// goes first, so a user's own rygel.conf never changes what we do.
bool registerConfig(const QString &folder)
{
    static bool registered = false;
    if (registered)
        return true;
    if (!QDir().mkpath(folder))
        return false;
    const QString path = QDir(folder).filePath(QStringLiteral("rygel.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(EngineConfig) < 0)
        return false;
    file.close();
    GError *error = nullptr;
    const QByteArray local = QFile::encodeName(path);
    // The same file stands for the system one, which must exist.
    RygelUserConfig *config = rygel_user_config_new_with_paths(local.constData(), local.constData(), &error);
    if (!config) {
        if (debugging() && error)
            std::fprintf(stderr, "kavo-media-server: engine configuration: %s\n", error->message);
        g_clear_error(&error);
        return false;
    }
    rygel_meta_config_register_configuration(RYGEL_CONFIGURATION(config));
    // The engine keeps it registered; so do we.
    registered = true;
    return true;
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

RygelMediaItem *makeItem(const SharedVideo &video, RygelMediaContainer *parent)
{
    RygelVideoItem *item = rygel_video_item_new(
        utf8(video.id).constData(), parent, utf8(video.title).constData(), RYGEL_VIDEO_ITEM_UPNP_CLASS);
    auto *object = RYGEL_MEDIA_OBJECT(item);
    auto *file = RYGEL_MEDIA_FILE_ITEM(item);
    rygel_media_object_add_uri(object, QUrl::fromLocalFile(video.path).toEncoded().constData());
    rygel_media_file_item_set_mime_type(file, utf8(video.mimeType).constData());
    // The engine guesses no profile for some common files; ours is set.
    if (!video.dlnaProfile.isEmpty())
        rygel_media_file_item_set_dlna_profile(file, utf8(video.dlnaProfile).constData());
    rygel_media_file_item_set_size(file, video.size > 0 ? video.size : -1);
    if (video.durationSeconds > 0)
        rygel_audio_item_set_duration(RYGEL_AUDIO_ITEM(item), video.durationSeconds);
    if (video.width > 0 && video.height > 0) {
        rygel_visual_item_set_width(RYGEL_VISUAL_ITEM(item), video.width);
        rygel_visual_item_set_height(RYGEL_VISUAL_ITEM(item), video.height);
    }
    // Without an http-get resource of its own the item offers only its
    // internal file:// one, which no client can fetch.
    RygelMediaResource *primary = rygel_media_file_item_get_primary_resource(file);
    RygelMediaResource *http = rygel_media_resource_new_from_resource("primary_http", primary);
    rygel_media_resource_set_protocol(http, "http-get");
    rygel_media_resource_set_uri(http, "");
    GeeList *resources = rygel_media_object_get_resource_list(object);
    gee_collection_add(GEE_COLLECTION(resources), http);
    g_object_unref(resources);
    g_object_unref(http);
    g_object_unref(primary);
    return RYGEL_MEDIA_ITEM(item);
}

} // namespace

struct UpnpServer::Engine
{
    RygelSimpleContainer *root = nullptr;
    RygelSimpleContainer *videos = nullptr;
    RygelSimpleContainer *streaming = nullptr;
    RygelMediaServer *server = nullptr;

    ~Engine()
    {
        // The server goes first: with it go its contexts, sockets and
        // announcements (a bye-bye on each network).
        if (server)
            g_object_unref(server);
        for (RygelSimpleContainer *container : { streaming, videos, root }) {
            if (container) {
                rygel_simple_container_clear(container);
                g_object_unref(container);
            }
        }
    }
};

UpnpServer::UpnpServer() = default;

UpnpServer::~UpnpServer()
{
    stop();
}

void UpnpServer::quietEngineLog()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    g_log_set_default_handler(dropLog, nullptr);
    g_log_set_writer_func(dropStructuredLog, nullptr, nullptr);
}

bool UpnpServer::start(const QString &name, const QString &configFolder)
{
    if (m_engine)
        return true;
    quietEngineLog();
    if (!registerConfig(configFolder))
        return false;
    auto engine = std::make_unique<Engine>();
    engine->root = rygel_simple_container_new_root(utf8(name).constData());
    auto *root = RYGEL_MEDIA_CONTAINER(engine->root);
    engine->videos = rygel_simple_container_new("videos", root, "Videos");
    engine->streaming = rygel_simple_container_new("streaming", root, "Now streaming");
    rygel_simple_container_add_child_container(engine->root, RYGEL_MEDIA_CONTAINER(engine->videos));
    rygel_simple_container_add_child_container(engine->root, RYGEL_MEDIA_CONTAINER(engine->streaming));
    engine->server = rygel_media_server_new(utf8(name).constData(), root, RYGEL_PLUGIN_CAPABILITIES_NONE);
    if (!engine->server)
        return false;
    m_engine = std::move(engine);
    fill(Container::Videos);
    fill(Container::NowStreaming);
    for (const QString &name : std::as_const(m_interfaces))
        rygel_media_device_add_interface(RYGEL_MEDIA_DEVICE(m_engine->server), utf8(name).constData());
    return true;
}

void UpnpServer::stop()
{
    m_engine.reset();
}

bool UpnpServer::isRunning() const
{
    return static_cast<bool>(m_engine);
}

void UpnpServer::setInterfaces(const QStringList &names)
{
    if (m_engine) {
        auto *device = RYGEL_MEDIA_DEVICE(m_engine->server);
        for (const QString &name : std::as_const(m_interfaces)) {
            if (!names.contains(name))
                rygel_media_device_remove_interface(device, utf8(name).constData());
        }
        for (const QString &name : names) {
            if (!m_interfaces.contains(name))
                rygel_media_device_add_interface(device, utf8(name).constData());
        }
    }
    m_interfaces = names;
}

QStringList UpnpServer::interfaces() const
{
    return m_interfaces;
}

void UpnpServer::setItems(Container container, const QList<SharedVideo> &items)
{
    QList<SharedVideo> &list = container == Container::Videos ? m_videos : m_streaming;
    if (list == items)
        return;
    list = items;
    fill(container);
}

QList<SharedVideo> UpnpServer::items(Container container) const
{
    return container == Container::Videos ? m_videos : m_streaming;
}

void UpnpServer::fill(Container container)
{
    if (!m_engine)
        return;
    RygelSimpleContainer *target = container == Container::Videos ? m_engine->videos : m_engine->streaming;
    rygel_simple_container_clear(target);
    for (const SharedVideo &video : container == Container::Videos ? m_videos : m_streaming) {
        RygelMediaItem *item = makeItem(video, RYGEL_MEDIA_CONTAINER(target));
        rygel_simple_container_add_child_item(target, item);
        g_object_unref(item);
    }
    // Clients that watch the update ids see the change.
    rygel_media_container_updated(
        RYGEL_MEDIA_CONTAINER(target), nullptr, RYGEL_OBJECT_EVENT_TYPE_MODIFIED, FALSE);
}
