#include "mediaserver/renderercontrol.h"

#include <QHash>
#include <QUrl>

#include <libgupnp/gupnp.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

namespace {

const char RendererType[] = "urn:schemas-upnp-org:device:MediaRenderer:1";
const char TransportType[] = "urn:schemas-upnp-org:service:AVTransport:1";
const char ConnectionType[] = "urn:schemas-upnp-org:service:ConnectionManager:1";
const char DirectoryType[] = "urn:schemas-upnp-org:service:ContentDirectory:1";

bool debugging()
{
    return qEnvironmentVariableIsSet("KAVO_DEBUG");
}

QString text(const char *value)
{
    return QString::fromUtf8(value ? value : "");
}

QString takeText(char *value)
{
    const QString result = text(value);
    g_free(value);
    return result;
}

// "H:MM:SS" or "H:MM:SS.fff"; -1 for "NOT_IMPLEMENTED" and the like.
int seconds(const QString &time)
{
    const QStringList parts = time.section(QLatin1Char('.'), 0, 0).split(QLatin1Char(':'));
    if (parts.size() != 3)
        return -1;
    int total = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < 0)
            return -1;
        total = total * 60 + value;
    }
    return total;
}

QByteArray timeText(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .toUtf8();
}

} // namespace

struct RendererControl::Engine
{
    // One interface's control points, on a context bound to its address.
    struct Place
    {
        Engine *engine = nullptr;
        HomeInterface where;
        GUPnPContext *context = nullptr;
        GUPnPControlPoint *renderers = nullptr;
        GUPnPControlPoint *servers = nullptr;

        ~Place()
        {
            for (GUPnPControlPoint *point : { renderers, servers }) {
                if (point) {
                    g_signal_handlers_disconnect_by_data(point, this);
                    g_object_unref(point);
                }
            }
            if (context)
                g_object_unref(context);
        }
    };

    struct Device
    {
        MediaRenderer info;
        const Place *place = nullptr;
        GUPnPServiceProxy *transport = nullptr;
        GUPnPServiceProxy *connection = nullptr;
    };

    using Done = std::function<void(GUPnPServiceProxyAction *action, const QString &error)>;

    // An action on its way; lives until GUPnP calls back, which it does
    // even when cancelled.
    struct Pending
    {
        Engine *engine = nullptr;
        QString udn; // empty for our own server
        GCancellable *cancel = nullptr;
        guint timer = 0;
        bool timedOut = false;
        Done done;
    };

    RendererControl *owner = nullptr;
    std::vector<std::unique_ptr<Place>> places;
    QHash<QString, Device> devices;
    // Our own server's ContentDirectory as seen from each place, by location.
    QHash<QString, std::pair<const Place *, GUPnPServiceProxy *>> directories;
    std::set<Pending *> pending;
    bool polling = false;

    ~Engine()
    {
        for (Pending *call : pending) {
            call->engine = nullptr;
            if (call->timer)
                g_source_remove(call->timer);
            call->timer = 0;
            g_cancellable_cancel(call->cancel);
        }
        for (const Device &device : std::as_const(devices))
            release(device);
        for (const auto &entry : std::as_const(directories))
            g_object_unref(entry.second);
        places.clear();
    }

    static void release(const Device &device)
    {
        if (device.transport)
            g_object_unref(device.transport);
        if (device.connection)
            g_object_unref(device.connection);
    }

    std::unique_ptr<Place> open(const HomeInterface &where)
    {
        auto place = std::make_unique<Place>();
        place->engine = this;
        place->where = where;
        GInetAddress *address = g_inet_address_new_from_string(where.address.toUtf8().constData());
        if (!address)
            return nullptr;
        GError *error = nullptr;
        place->context = gupnp_context_new_full(
            where.name.toUtf8().constData(), address, 0, GSSDP_UDA_VERSION_1_0, &error);
        g_object_unref(address);
        if (!place->context) {
            if (debugging() && error)
                std::fprintf(stderr, "kavo-media-server: no control point on %s: %s\n",
                    where.name.toUtf8().constData(), error->message);
            g_clear_error(&error);
            return nullptr;
        }
        place->renderers = gupnp_control_point_new(place->context, RendererType);
        g_signal_connect(
            place->renderers, "device-proxy-available", G_CALLBACK(deviceAvailable), place.get());
        g_signal_connect(
            place->renderers, "device-proxy-unavailable", G_CALLBACK(deviceUnavailable), place.get());
        place->servers = gupnp_control_point_new(place->context, DirectoryType);
        g_signal_connect(
            place->servers, "service-proxy-available", G_CALLBACK(directoryAvailable), place.get());
        g_signal_connect(
            place->servers, "service-proxy-unavailable", G_CALLBACK(directoryUnavailable), place.get());
        gssdp_resource_browser_set_active(GSSDP_RESOURCE_BROWSER(place->renderers), TRUE);
        gssdp_resource_browser_set_active(GSSDP_RESOURCE_BROWSER(place->servers), TRUE);
        return place;
    }

    // Forgets what was found through a place about to close.
    void leave(const Place *place)
    {
        for (auto it = directories.begin(); it != directories.end();) {
            if (it->first == place) {
                g_object_unref(it->second);
                it = directories.erase(it);
            } else {
                ++it;
            }
        }
        QStringList gone;
        for (const Device &device : std::as_const(devices)) {
            if (device.place == place)
                gone.append(device.info.udn);
        }
        for (const QString &udn : gone)
            lose(udn);
    }

    void lose(const QString &udn)
    {
        const auto it = devices.find(udn);
        if (it == devices.end())
            return;
        release(*it);
        devices.erase(it);
        polling = false;
        Q_EMIT owner->rendererLost(udn);
    }

    static void deviceAvailable(GUPnPControlPoint *, GUPnPDeviceProxy *proxy, gpointer data)
    {
        auto *place = static_cast<Place *>(data);
        Engine *self = place->engine;
        auto *info = GUPNP_DEVICE_INFO(proxy);
        const QString udn = text(gupnp_device_info_get_udn(info));
        // The same TV seen on a second interface is kept where found first.
        if (udn.isEmpty() || self->devices.contains(udn))
            return;
        GUPnPServiceInfo *transport = gupnp_device_info_get_service(info, TransportType);
        if (!transport)
            return;
        Device device;
        device.info.udn = udn;
        device.info.name = takeText(gupnp_device_info_get_friendly_name(info));
        if (device.info.name.isEmpty())
            device.info.name = udn;
        device.place = place;
        device.transport = GUPNP_SERVICE_PROXY(transport);
        if (GUPnPServiceInfo *connection = gupnp_device_info_get_service(info, ConnectionType))
            device.connection = GUPNP_SERVICE_PROXY(connection);
        self->devices.insert(udn, device);
        Q_EMIT self->owner->rendererFound(device.info);
        if (device.connection)
            self->askSinks(udn);
    }

    static void deviceUnavailable(GUPnPControlPoint *, GUPnPDeviceProxy *proxy, gpointer data)
    {
        auto *place = static_cast<Place *>(data);
        Engine *self = place->engine;
        const QString udn = text(gupnp_device_info_get_udn(GUPNP_DEVICE_INFO(proxy)));
        const auto it = self->devices.constFind(udn);
        if (it != self->devices.constEnd() && it->place == place)
            self->lose(udn);
    }

    static void directoryAvailable(GUPnPControlPoint *, GUPnPServiceProxy *proxy, gpointer data)
    {
        auto *place = static_cast<Place *>(data);
        const QString location = text(gupnp_service_info_get_location(GUPNP_SERVICE_INFO(proxy)));
        auto &directories = place->engine->directories;
        if (location.isEmpty() || directories.contains(location))
            return;
        directories.insert(location, { place, GUPNP_SERVICE_PROXY(g_object_ref(proxy)) });
    }

    static void directoryUnavailable(GUPnPControlPoint *, GUPnPServiceProxy *proxy, gpointer data)
    {
        auto *place = static_cast<Place *>(data);
        const QString location = text(gupnp_service_info_get_location(GUPNP_SERVICE_INFO(proxy)));
        auto &directories = place->engine->directories;
        const auto it = directories.find(location);
        if (it != directories.end() && it->first == place) {
            g_object_unref(it->second);
            directories.erase(it);
        }
    }

    // Sends an action; done gets the answered action, or null and why not.
    // A renderer that does not answer in time is taken as gone.
    void call(const QString &udn, GUPnPServiceProxy *proxy, GUPnPServiceProxyAction *action, Done done)
    {
        auto *call = new Pending;
        call->engine = this;
        call->udn = udn;
        call->cancel = g_cancellable_new();
        call->done = std::move(done);
        call->timer = g_timeout_add(ActionTimeoutMs, timedOut, call);
        pending.insert(call);
        gupnp_service_proxy_call_action_async(proxy, action, call->cancel, finished, call);
        gupnp_service_proxy_action_unref(action);
    }

    static gboolean timedOut(gpointer data)
    {
        auto *call = static_cast<Pending *>(data);
        call->timer = 0;
        call->timedOut = true;
        g_cancellable_cancel(call->cancel);
        return G_SOURCE_REMOVE;
    }

    static void finished(GObject *source, GAsyncResult *result, gpointer data)
    {
        auto *call = static_cast<Pending *>(data);
        GError *error = nullptr;
        GUPnPServiceProxyAction *action
            = gupnp_service_proxy_call_action_finish(GUPNP_SERVICE_PROXY(source), result, &error);
        Engine *self = call->engine;
        if (self) {
            self->pending.erase(call);
            if (call->timer)
                g_source_remove(call->timer);
            // No answer in time, or none possible (refused, unreachable):
            // the TV is off or gone without saying bye-bye.
            const bool gone = call->timedOut || (error && error->domain == G_IO_ERROR);
            if (gone && !call->udn.isEmpty()) {
                self->lose(call->udn);
            } else {
                // The action may still carry a SOAP fault: done reads it.
                call->done(error ? nullptr : action,
                    error ? text(error->message) : (action ? QString() : QStringLiteral("no answer")));
            }
        }
        g_clear_error(&error);
        g_object_unref(call->cancel);
        delete call;
    }

    // The answer's out arguments as text, or why there are none.
    static bool results(
        GUPnPServiceProxyAction *action, const QStringList &names, QStringList *values, QString *error)
    {
        if (!action)
            return false;
        GList *outNames = nullptr;
        GList *outTypes = nullptr;
        std::vector<QByteArray> keep;
        for (const QString &name : names)
            keep.push_back(name.toUtf8());
        for (const QByteArray &name : keep) {
            outNames = g_list_append(outNames, const_cast<char *>(name.constData()));
            outTypes = g_list_append(outTypes, GSIZE_TO_POINTER(G_TYPE_STRING));
        }
        GList *outValues = nullptr;
        GError *failure = nullptr;
        const bool ok
            = gupnp_service_proxy_action_get_result_list(action, outNames, outTypes, &outValues, &failure);
        if (ok) {
            for (GList *value = outValues; value; value = value->next) {
                auto *gvalue = static_cast<GValue *>(value->data);
                values->append(text(g_value_get_string(gvalue)));
                g_value_unset(gvalue);
                g_free(gvalue);
            }
        } else if (error) {
            *error = failure ? text(failure->message) : QStringLiteral("no answer");
        }
        g_list_free(outValues);
        g_list_free(outNames);
        g_list_free(outTypes);
        g_clear_error(&failure);
        return ok && values->size() == names.size();
    }

    void askSinks(const QString &udn)
    {
        const Device &device = devices.value(udn);
        call(udn, device.connection, gupnp_service_proxy_action_new("GetProtocolInfo", nullptr),
            [this, udn](GUPnPServiceProxyAction *action, const QString &) {
                QStringList values;
                const auto it = devices.find(udn);
                if (it == devices.end() || !results(action, { QStringLiteral("Sink") }, &values, nullptr))
                    return;
                it->info.sinkProtocols = values.first().split(QLatin1Char(','), Qt::SkipEmptyParts);
                for (QString &protocol : it->info.sinkProtocols)
                    protocol = protocol.trimmed();
                Q_EMIT owner->rendererChanged(it->info);
            });
    }

    // Proxies to ask in turn, held until the last answer.
    struct Directories
    {
        std::vector<GUPnPServiceProxy *> proxies;
        size_t next = 0;
        ~Directories()
        {
            for (GUPnPServiceProxy *proxy : proxies)
                g_object_unref(proxy);
        }
    };

    void browse(std::shared_ptr<Directories> left, const QByteArray &id, MetadataHandler handler)
    {
        if (left->next >= left->proxies.size()) {
            handler(QString());
            return;
        }
        GUPnPServiceProxy *directory = left->proxies.at(left->next++);
        GUPnPServiceProxyAction *action = gupnp_service_proxy_action_new("Browse", "ObjectID", G_TYPE_STRING,
            id.constData(), "BrowseFlag", G_TYPE_STRING, "BrowseMetadata", "Filter", G_TYPE_STRING, "*",
            "StartingIndex", G_TYPE_UINT, 0u, "RequestedCount", G_TYPE_UINT, 0u, "SortCriteria",
            G_TYPE_STRING, "", nullptr);
        call(QString(), directory, action,
            [this, left, id, handler](GUPnPServiceProxyAction *answered, const QString &) {
                QStringList values;
                if (results(answered, { QStringLiteral("Result") }, &values, nullptr)
                    && values.first().contains(QLatin1String("<item")))
                    handler(values.first());
                else
                    browse(left, id, handler);
            });
    }

    // A transport action without out arguments; then() runs on success.
    void transport(const QString &udn, const char *name, GUPnPServiceProxyAction *action,
        std::function<void()> then = {})
    {
        const auto it = devices.constFind(udn);
        if (it == devices.constEnd()) {
            gupnp_service_proxy_action_unref(action);
            return;
        }
        const QString actionName = QString::fromLatin1(name);
        call(udn, it->transport, action,
            [this, udn, actionName, then](GUPnPServiceProxyAction *answered, const QString &why) {
                QString error = why;
                QStringList none;
                if (answered && results(answered, {}, &none, &error)) {
                    if (then)
                        then();
                    return;
                }
                Q_EMIT owner->actionFailed(udn, actionName, error);
            });
    }
};

RendererControl::RendererControl(QObject *parent)
    : QObject(parent)
    , m_engine(std::make_unique<Engine>())
{
    m_engine->owner = this;
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &RendererControl::poll);
    connect(this, &RendererControl::rendererLost, this, [this](const QString &udn) {
        if (udn == m_watched)
            watch(QString());
    });
}

RendererControl::~RendererControl() = default;

void RendererControl::setInterfaces(const QList<HomeInterface> &interfaces)
{
    auto &places = m_engine->places;
    for (auto it = places.begin(); it != places.end();) {
        if (interfaces.contains((*it)->where)) {
            ++it;
        } else {
            m_engine->leave(it->get());
            it = places.erase(it);
        }
    }
    for (const HomeInterface &where : interfaces) {
        const bool open = std::any_of(places.begin(), places.end(),
            [&](const std::unique_ptr<Engine::Place> &place) { return place->where == where; });
        if (open)
            continue;
        if (std::unique_ptr<Engine::Place> place = m_engine->open(where))
            places.push_back(std::move(place));
    }
}

QList<MediaRenderer> RendererControl::renderers() const
{
    QList<MediaRenderer> found;
    for (const auto &device : std::as_const(m_engine->devices))
        found.append(device.info);
    std::sort(found.begin(), found.end(),
        [](const MediaRenderer &a, const MediaRenderer &b) { return a.name < b.name; });
    return found;
}

bool RendererControl::hasRenderer(const QString &udn) const
{
    return m_engine->devices.contains(udn);
}

void RendererControl::fetchMetadata(
    const QString &rendererUdn, const QString &objectId, MetadataHandler handler)
{
    // Our server is the media server at our own address on the renderer's
    // network that knows this object: ids are hashes of our own paths.
    auto candidates = std::make_shared<Engine::Directories>();
    const auto device = m_engine->devices.constFind(rendererUdn);
    if (device != m_engine->devices.constEnd()) {
        for (auto it = m_engine->directories.constBegin(); it != m_engine->directories.constEnd(); ++it) {
            if (it->first == device->place && QUrl(it.key()).host() == device->place->where.address)
                candidates->proxies.push_back(GUPNP_SERVICE_PROXY(g_object_ref(it->second)));
        }
    }
    m_engine->browse(candidates, objectId.toUtf8(), std::move(handler));
}

void RendererControl::play(const QString &udn, const QString &url, const QString &didl)
{
    watch(udn);
    GUPnPServiceProxyAction *action = gupnp_service_proxy_action_new("SetAVTransportURI", "InstanceID",
        G_TYPE_UINT, 0u, "CurrentURI", G_TYPE_STRING, url.toUtf8().constData(), "CurrentURIMetaData",
        G_TYPE_STRING, didl.toUtf8().constData(), nullptr);
    m_engine->transport(udn, "SetAVTransportURI", action, [this, udn] { resume(udn); });
}

void RendererControl::resume(const QString &udn)
{
    m_engine->transport(udn, "Play",
        gupnp_service_proxy_action_new(
            "Play", "InstanceID", G_TYPE_UINT, 0u, "Speed", G_TYPE_STRING, "1", nullptr),
        [this] { poll(); });
}

void RendererControl::pause(const QString &udn)
{
    m_engine->transport(udn, "Pause",
        gupnp_service_proxy_action_new("Pause", "InstanceID", G_TYPE_UINT, 0u, nullptr), [this] { poll(); });
}

void RendererControl::stop(const QString &udn)
{
    m_engine->transport(udn, "Stop",
        gupnp_service_proxy_action_new("Stop", "InstanceID", G_TYPE_UINT, 0u, nullptr), [this] { poll(); });
}

void RendererControl::seek(const QString &udn, int seconds)
{
    m_engine->transport(udn, "Seek",
        gupnp_service_proxy_action_new("Seek", "InstanceID", G_TYPE_UINT, 0u, "Unit", G_TYPE_STRING,
            "REL_TIME", "Target", G_TYPE_STRING, timeText(std::max(0, seconds)).constData(), nullptr),
        [this] { poll(); });
}

void RendererControl::watch(const QString &udn)
{
    m_watched = udn;
    if (udn.isEmpty())
        m_poll.stop();
    else if (!m_poll.isActive())
        m_poll.start();
}

void RendererControl::poll()
{
    const auto it = m_engine->devices.constFind(m_watched);
    // One question at a time: a slow TV is not asked again meanwhile.
    if (it == m_engine->devices.constEnd() || m_engine->polling)
        return;
    m_engine->polling = true;
    const QString udn = m_watched;
    GUPnPServiceProxy *transport = it->transport;
    m_engine->call(udn, transport,
        gupnp_service_proxy_action_new("GetTransportInfo", "InstanceID", G_TYPE_UINT, 0u, nullptr),
        [this, udn, transport](GUPnPServiceProxyAction *answered, const QString &) {
            QStringList state;
            if (!Engine::results(answered, { QStringLiteral("CurrentTransportState") }, &state, nullptr)
                || !m_engine->devices.contains(udn)) {
                m_engine->polling = false;
                return;
            }
            m_engine->call(udn, transport,
                gupnp_service_proxy_action_new("GetPositionInfo", "InstanceID", G_TYPE_UINT, 0u, nullptr),
                [this, udn, state](GUPnPServiceProxyAction *answered, const QString &) {
                    m_engine->polling = false;
                    QStringList times;
                    RendererStatus status;
                    status.state = state.first();
                    if (Engine::results(answered,
                            { QStringLiteral("RelTime"), QStringLiteral("TrackDuration") }, &times,
                            nullptr)) {
                        status.positionSeconds = seconds(times.at(0));
                        status.durationSeconds = seconds(times.at(1));
                    }
                    Q_EMIT statusChanged(udn, status);
                });
        });
}
