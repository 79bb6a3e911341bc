#include "mediaserver/sharingservice.h"

#include "ipc/userruntimedirectory.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/sharingsettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString engineFolder()
{
    const std::string runtime = KavoOS::UserRuntimeDirectory("KavoMediaServer", "KavoMediaServer");
    return runtime.empty() ? QString()
                           : QDir(QString::fromStdString(runtime)).filePath(QStringLiteral("engine"));
}

} // namespace

SharingService::SharingService(MediaServer *server, QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_name(SharingSettings::name())
{
    if (m_name.isEmpty())
        m_name = SharingSettings::defaultName();
    connect(&m_media, &SharedMedia::videosChanged, this,
        [this](const QList<SharedVideo> &videos) { m_upnp.setItems(UpnpServer::Container::Videos, videos); });
    connect(&m_media, &SharedMedia::streamedChanged, this, [this](const QList<SharedVideo> &videos) {
        m_upnp.setItems(UpnpServer::Container::NowStreaming, videos);
    });
    connect(&m_network, &HomeNetwork::interfacesChanged, this,
        [this](const QList<HomeInterface> &interfaces) { m_upnp.setInterfaces(interfaces); });
    connect(
        server, &MediaServer::fileStreamed, this, [this](const QString &path) { m_media.addStreamed(path); });
    m_upnp.setInterfaces(m_network.interfaces());

    // The host writes the folder whenever the player opens another one.
    m_folderCheck.setInterval(FolderCheckIntervalMs);
    connect(&m_folderCheck, &QTimer::timeout, this, &SharingService::checkFolder);
    m_folderCheck.start();
    checkFolder();
    server->setSharingSwitch([this](bool on) { return switchTo(on); });
}

SharingService::~SharingService()
{
    m_server->setSharingSwitch({});
}

void SharingService::setName(const QString &name)
{
    QString chosen = name.trimmed();
    SharingSettings::setName(chosen);
    if (chosen.isEmpty())
        chosen = SharingSettings::defaultName();
    if (chosen == m_name)
        return;
    m_name = chosen;
    // The engine takes the name only when it starts.
    if (m_upnp.isRunning()) {
        m_upnp.stop();
        m_upnp.start(m_name, engineFolder());
        if (!m_upnp.isRunning())
            m_server->setSharing(false);
    }
    emit nameChanged(m_name);
}

bool SharingService::switchTo(bool on)
{
    if (on) {
        const QString folder = engineFolder();
        if (!folder.isEmpty())
            m_upnp.start(m_name, folder);
    } else {
        m_upnp.stop();
    }
    SharingSettings::setSharing(m_upnp.isRunning());
    return m_upnp.isRunning();
}

void SharingService::checkFolder()
{
    const QString folder = SharingSettings::mediaFolder();
    if (QFileInfo(folder).canonicalFilePath() != m_media.folder())
        m_media.setFolder(folder);
}
