#include "mediaserver/upnpserver.h"

#include "mediaserver/fileserver.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QUrl>

#include <rygel-core.h>
#include <rygel-server.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

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

// The engine puts the address a client asked on in place of this in a
// resource's URI; so do we in our own answers.
const char AddressMark[] = "@ADDRESS@";
// Ranges, streaming and background transfers, DLNA 1.5: what the file
// server's contentFeatures.dlna.org header says.
const GUPnPDLNAFlags ServedFlags = static_cast<GUPnPDLNAFlags>(GUPNP_DLNA_FLAGS_STREAMING_TRANSFER_MODE
    | GUPNP_DLNA_FLAGS_BACKGROUND_TRANSFER_MODE | GUPNP_DLNA_FLAGS_DLNA_V15);

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

// The protocolInfo both our DIDL-Lite and the engine's give a file.
GUPnPProtocolInfo *protocolInfo(const SharedVideo &video)
{
    GUPnPProtocolInfo *info = gupnp_protocol_info_new();
    gupnp_protocol_info_set_protocol(info, "http-get");
    gupnp_protocol_info_set_network(info, "*");
    gupnp_protocol_info_set_mime_type(info, utf8(video.mimeType).constData());
    if (!video.dlnaProfile.isEmpty())
        gupnp_protocol_info_set_dlna_profile(info, utf8(video.dlnaProfile).constData());
    gupnp_protocol_info_set_dlna_operation(info, GUPNP_DLNA_OPERATION_RANGE);
    gupnp_protocol_info_set_dlna_flags(info, ServedFlags);
    return info;
}

QByteArray resourceUri(const SharedVideo &video, quint16 port)
{
    return "http://" + QByteArray(AddressMark) + ':' + QByteArray::number(port) + FileServer::path(video);
}

// One of our containers as Browse answers it. Serializing 500 items
// through the engine costs tens of milliseconds per Browse (a GObject and
// several regular expressions per resource); the whole list is written
// once per change instead, with the same fields the engine writes.
struct Listing
{
    const char *id = "";
    RygelSimpleContainer *container = nullptr;
    QList<SharedVideo> items;
    quint16 port = 0;
    // The whole list by the address it names; made when first asked for.
    QHash<QString, QByteArray> whole;

    QByteArray didl(int first, int count, const QString &address) const
    {
        GUPnPDIDLLiteWriter *writer = gupnp_didl_lite_writer_new(nullptr);
        for (int i = first; i < first + count; ++i) {
            const SharedVideo &video = items.at(i);
            GUPnPDIDLLiteItem *item = gupnp_didl_lite_writer_add_item(writer);
            auto *object = GUPNP_DIDL_LITE_OBJECT(item);
            gupnp_didl_lite_object_set_id(object, utf8(video.id).constData());
            gupnp_didl_lite_object_set_parent_id(object, id);
            gupnp_didl_lite_object_set_restricted(object, TRUE);
            gupnp_didl_lite_object_set_title(object, utf8(video.title).constData());
            gupnp_didl_lite_object_set_upnp_class(object, RYGEL_VIDEO_ITEM_UPNP_CLASS);
            GUPnPDIDLLiteResource *resource = gupnp_didl_lite_object_add_resource(object);
            const QByteArray uri = resourceUri(video, port).replace(AddressMark, address.toLatin1());
            gupnp_didl_lite_resource_set_uri(resource, uri.constData());
            if (video.size > 0)
                gupnp_didl_lite_resource_set_size64(resource, video.size);
            if (video.durationSeconds > 0)
                gupnp_didl_lite_resource_set_duration(resource, video.durationSeconds);
            if (video.width > 0 && video.height > 0) {
                gupnp_didl_lite_resource_set_width(resource, video.width);
                gupnp_didl_lite_resource_set_height(resource, video.height);
            }
            GUPnPProtocolInfo *info = protocolInfo(video);
            gupnp_didl_lite_resource_set_protocol_info(resource, info);
            g_object_unref(info);
            g_object_unref(resource);
            g_object_unref(item);
        }
        gchar *text = gupnp_didl_lite_writer_get_string(writer);
        QByteArray result(text);
        g_free(text);
        g_object_unref(writer);
        return result;
    }
};

// Rygel's own test for clients it answers in their own way (exported by
// librygel-server, though not in its header): those get its answers.
extern "C" GObject *rygel_client_hacks_create(SoupServerMessage *message, GError **error);

bool needsEngine(GUPnPServiceAction *action)
{
    GError *error = nullptr;
    GObject *hacks = rygel_client_hacks_create(gupnp_service_action_get_message(action), &error);
    g_clear_error(&error);
    if (!hacks)
        return false;
    g_object_unref(hacks);
    return true;
}

// Answers a Browse of one of our containers' children, in our order and
// with every property ("*"), from the listing; false for anything else.
bool answerBrowse(Listing *listings, const QString &address, GUPnPServiceAction *action)
{
    gchar *object = nullptr;
    gchar *flag = nullptr;
    gchar *filter = nullptr;
    gchar *sort = nullptr;
    gint64 first = 0;
    gint64 requested = 0;
    gupnp_service_action_get(action, "ObjectID", G_TYPE_STRING, &object, "BrowseFlag", G_TYPE_STRING, &flag,
        "Filter", G_TYPE_STRING, &filter, "StartingIndex", G_TYPE_INT64, &first, "RequestedCount",
        G_TYPE_INT64, &requested, "SortCriteria", G_TYPE_STRING, &sort, nullptr);
    Listing *listing = nullptr;
    for (int i = 0; i < 2; ++i) {
        if (object && std::strcmp(object, listings[i].id) == 0)
            listing = &listings[i];
    }
    const bool ours = listing && !listing->items.isEmpty() && flag
        && std::strcmp(flag, "BrowseDirectChildren") == 0 && filter && std::strcmp(filter, "*") == 0
        && (!sort || !*sort) && first >= 0 && requested >= 0 && !needsEngine(action);
    g_free(object);
    g_free(flag);
    g_free(filter);
    g_free(sort);
    if (!ours)
        return false;
    const int total = static_cast<int>(listing->items.size());
    const int start = static_cast<int>(std::min<gint64>(first, total));
    const int count
        = requested == 0 ? total - start : static_cast<int>(std::min<gint64>(requested, total - start));
    QByteArray didl;
    if (start == 0 && count == total) {
        auto whole = listing->whole.find(address);
        if (whole == listing->whole.end())
            whole = listing->whole.insert(address, listing->didl(0, total, address));
        didl = *whole;
    } else {
        didl = listing->didl(start, count, address);
    }
    gupnp_service_action_set(action, "Result", G_TYPE_STRING, didl.constData(), "NumberReturned", G_TYPE_UINT,
        static_cast<guint>(count), "TotalMatches", G_TYPE_UINT, static_cast<guint>(total), "UpdateID",
        G_TYPE_UINT, static_cast<guint>(RYGEL_MEDIA_CONTAINER(listing->container)->update_id), nullptr);
    gupnp_service_action_return_success(action);
    return true;
}

guint actionSignal()
{
    static const guint id = g_signal_lookup("action-invoked", GUPNP_TYPE_SERVICE);
    return id;
}

GQuark browseDetail()
{
    static const GQuark detail = g_quark_from_static_string("Browse");
    return detail;
}

// The item's one resource is on our file server. The engine puts the
// address of the interface a client asked on in place of "@ADDRESS@"; the
// file server listens on every interface on the same port. No file://
// URI is given: the engine would look beside each file for subtitles and
// thumbnails on every change, and serve the file through its own slower path.
RygelMediaItem *makeItem(const SharedVideo &video, RygelMediaContainer *parent, quint16 port)
{
    RygelVideoItem *item = rygel_video_item_new(
        utf8(video.id).constData(), parent, utf8(video.title).constData(), RYGEL_VIDEO_ITEM_UPNP_CLASS);
    auto *object = RYGEL_MEDIA_OBJECT(item);
    auto *file = RYGEL_MEDIA_FILE_ITEM(item);
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
    RygelMediaResource *primary = rygel_media_file_item_get_primary_resource(file);
    RygelMediaResource *http = rygel_media_resource_new_from_resource("primary_http", primary);
    rygel_media_resource_set_protocol(http, "http-get");
    rygel_media_resource_set_uri(http, resourceUri(video, port).constData());
    rygel_media_resource_set_dlna_operation(http, GUPNP_DLNA_OPERATION_RANGE);
    rygel_media_resource_set_dlna_flags(http, ServedFlags);
    GeeList *resources = rygel_media_object_get_resource_list(object);
    gee_collection_add(GEE_COLLECTION(resources), http);
    g_object_unref(resources);
    g_object_unref(http);
    g_object_unref(primary);
    return RYGEL_MEDIA_ITEM(item);
}

// What the engine's own MediaServer makes inside, but without its context
// manager, which opens sockets on every interface, public ones included.
struct KavoSharingPlugin
{
    RygelMediaServerPlugin parent;
};
struct KavoSharingPluginClass
{
    RygelMediaServerPluginClass parent;
};
G_DEFINE_TYPE(KavoSharingPlugin, kavo_sharing_plugin, RYGEL_TYPE_MEDIA_SERVER_PLUGIN)
void kavo_sharing_plugin_class_init(KavoSharingPluginClass *) { }
void kavo_sharing_plugin_init(KavoSharingPlugin *) { }

// One interface's share: its context and the device announced on it.
struct Place
{
    HomeInterface where;
    GUPnPContext *context = nullptr;
    RygelRootDeviceFactory *factory = nullptr;
    RygelRootDevice *device = nullptr;
    // Its ContentDirectory, whose Browse we answer first.
    GUPnPService *directory = nullptr;
    gulong engineBrowse = 0;
    gulong ourBrowse = 0;
    Listing *listings = nullptr;

    ~Place()
    {
        if (directory) {
            g_signal_handler_disconnect(directory, ourBrowse);
            g_signal_handler_unblock(directory, engineBrowse);
            g_object_unref(directory);
        }
        // A bye-bye first; the context's sockets close with its last reference.
        if (device) {
            gupnp_root_device_set_available(GUPNP_ROOT_DEVICE(device), FALSE);
            g_object_unref(device);
        }
        if (factory)
            g_object_unref(factory);
        if (context)
            g_object_unref(context);
    }
};

void onBrowse(GUPnPService *service, GUPnPServiceAction *action, gpointer data)
{
    auto *place = static_cast<Place *>(data);
    if (answerBrowse(place->listings, place->where.address, action))
        return;
    // The engine's own handler takes it, as if we were not there.
    g_signal_handler_block(service, place->ourBrowse);
    g_signal_handler_unblock(service, place->engineBrowse);
    g_signal_emit(service, actionSignal(), browseDetail(), action);
    g_signal_handler_block(service, place->engineBrowse);
    g_signal_handler_unblock(service, place->ourBrowse);
}

// Puts our Browse answers before the engine's on the device's
// ContentDirectory; without its handler found, the engine answers all.
void answerBrowsesFirst(Place &place)
{
    GeeArrayList *services = rygel_root_device_get_services(place.device);
    const int count = services ? gee_abstract_collection_get_size(GEE_ABSTRACT_COLLECTION(services)) : 0;
    for (int i = 0; i < count && !place.directory; ++i) {
        auto *info = static_cast<GUPnPServiceInfo *>(gee_abstract_list_get(GEE_ABSTRACT_LIST(services), i));
        const char *type = gupnp_service_info_get_service_type(info);
        if (GUPNP_IS_SERVICE(info) && type
            && g_str_has_prefix(type, "urn:schemas-upnp-org:service:ContentDirectory:")) {
            place.directory = GUPNP_SERVICE(g_object_ref(info));
        }
        g_object_unref(info);
    }
    if (!place.directory)
        return;
    place.engineBrowse = g_signal_handler_find(place.directory,
        static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DETAIL), actionSignal(),
        browseDetail(), nullptr, nullptr, nullptr);
    if (!place.engineBrowse) {
        g_clear_object(&place.directory);
        return;
    }
    g_signal_handler_block(place.directory, place.engineBrowse);
    place.ourBrowse
        = g_signal_connect(place.directory, "action-invoked::Browse", G_CALLBACK(onBrowse), &place);
}

std::unique_ptr<Place> open(const HomeInterface &where, RygelPlugin *plugin, Listing *listings)
{
    auto place = std::make_unique<Place>();
    place->where = where;
    GInetAddress *address = g_inet_address_new_from_string(utf8(where.address).constData());
    if (!address)
        return nullptr;
    GError *error = nullptr;
    place->context
        = gupnp_context_new_full(utf8(where.name).constData(), address, 0, GSSDP_UDA_VERSION_1_0, &error);
    g_object_unref(address);
    if (place->context)
        place->factory = rygel_root_device_factory_new(place->context, &error);
    if (place->factory)
        place->device = rygel_root_device_factory_create(place->factory, plugin, &error);
    if (!place->device) {
        if (debugging() && error)
            std::fprintf(stderr, "kavo-media-server: no share on %s: %s\n", utf8(where.name).constData(),
                error->message);
        g_clear_error(&error);
        return nullptr;
    }
    place->listings = listings;
    answerBrowsesFirst(*place);
    gupnp_root_device_set_available(GUPNP_ROOT_DEVICE(place->device), TRUE);
    return place;
}

} // namespace

struct UpnpServer::Engine
{
    RygelSimpleContainer *root = nullptr;
    RygelSimpleContainer *videos = nullptr;
    RygelSimpleContainer *streaming = nullptr;
    RygelMediaServerPlugin *plugin = nullptr;
    std::vector<std::unique_ptr<Place>> places;
    FileServer files;
    int itemPort = -1; // none yet
    Listing listings[2];

    ~Engine()
    {
        places.clear();
        files.stop();
        if (plugin)
            g_object_unref(plugin);
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

QString UpnpServer::title(Container container)
{
    return container == Container::Videos ? QCoreApplication::translate("UpnpServer", "Videos")
                                          : QCoreApplication::translate("UpnpServer", "Now streaming");
}

bool UpnpServer::start(const QString &name, const QString &configFolder)
{
    if (m_engine)
        return true;
    quietEngineLog();
    if (!registerConfig(configFolder))
        return false;
    auto engine = std::make_unique<Engine>();
    // The root's title is the name clients show.
    engine->root = rygel_simple_container_new_root(utf8(name).constData());
    auto *root = RYGEL_MEDIA_CONTAINER(engine->root);
    engine->videos = rygel_simple_container_new("videos", root, utf8(title(Container::Videos)).constData());
    engine->streaming
        = rygel_simple_container_new("streaming", root, utf8(title(Container::NowStreaming)).constData());
    engine->listings[0].id = "videos";
    engine->listings[0].container = engine->videos;
    engine->listings[1].id = "streaming";
    engine->listings[1].container = engine->streaming;
    // Kept in our order (the folder's by name, the streamed most recent
    // first), which also spares a sort per Browse.
    for (RygelSimpleContainer *container : { engine->videos, engine->streaming })
        rygel_media_container_set_sort_criteria(RYGEL_MEDIA_CONTAINER(container), "");
    rygel_simple_container_add_child_container(engine->root, RYGEL_MEDIA_CONTAINER(engine->videos));
    rygel_simple_container_add_child_container(engine->root, RYGEL_MEDIA_CONTAINER(engine->streaming));
    engine->plugin = rygel_media_server_plugin_construct(kavo_sharing_plugin_get_type(), root,
        "KavoMediaServer", utf8(name).constData(), RYGEL_PLUGIN_CAPABILITIES_NONE);
    if (!engine->plugin)
        return false;
    m_engine = std::move(engine);
    // Fills both containers, now that the file server's port is known.
    setInterfaces(m_interfaces);
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

void UpnpServer::setInterfaces(const QList<HomeInterface> &interfaces)
{
    m_interfaces = interfaces;
    if (!m_engine)
        return;
    QStringList addresses;
    for (const HomeInterface &where : interfaces)
        addresses.append(where.address);
    m_engine->files.listen(addresses);
    // The items' URIs name the port.
    if (m_engine->files.port() != m_engine->itemPort) {
        fill(Container::Videos);
        fill(Container::NowStreaming);
    }
    auto &places = m_engine->places;
    places.erase(std::remove_if(places.begin(), places.end(),
                     [&](const std::unique_ptr<Place> &place) { return !interfaces.contains(place->where); }),
        places.end());
    for (const HomeInterface &where : interfaces) {
        const bool open_ = std::any_of(places.begin(), places.end(),
            [&](const std::unique_ptr<Place> &place) { return place->where == where; });
        if (open_)
            continue;
        // One that cannot be opened now is tried again at the next change.
        if (std::unique_ptr<Place> place = open(where, RYGEL_PLUGIN(m_engine->plugin), m_engine->listings))
            places.push_back(std::move(place));
    }
}

QStringList UpnpServer::baseUrls() const
{
    QStringList urls;
    if (!m_engine)
        return urls;
    for (const auto &place : m_engine->places)
        urls.append(QStringLiteral("http://%1:%2")
                        .arg(place->where.address)
                        .arg(gupnp_context_get_port(place->context)));
    return urls;
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
    m_engine->files.setFiles(m_videos + m_streaming);
    m_engine->itemPort = m_engine->files.port();
    Listing &listing = m_engine->listings[container == Container::Videos ? 0 : 1];
    listing.items = container == Container::Videos ? m_videos : m_streaming;
    listing.port = m_engine->itemPort;
    listing.whole.clear();
    rygel_simple_container_clear(target);
    for (const SharedVideo &video : container == Container::Videos ? m_videos : m_streaming) {
        RygelMediaItem *item = makeItem(video, RYGEL_MEDIA_CONTAINER(target), m_engine->itemPort);
        rygel_simple_container_add_child_item(target, item);
        g_object_unref(item);
    }
    // Clients that watch the update ids see the change.
    rygel_media_container_updated(
        RYGEL_MEDIA_CONTAINER(target), nullptr, RYGEL_OBJECT_EVENT_TYPE_MODIFIED, FALSE);
}
