#include "mediaserver/mediaserverwindow.h"

#include "mediaserver/mediaserver.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

MediaServerWindow::MediaServerWindow(MediaServer *server, QWidget *parent)
    : QWidget(parent)
    , m_sharing(new QCheckBox(tr("Share my videos on the home network"), this))
    , m_status(new QLabel(this))
    , m_files(new QListWidget(this))
{
    setObjectName(QStringLiteral("MediaServerWindow"));
    setWindowTitle(tr("Kavo Media Server"));
    m_sharing->setObjectName(QStringLiteral("SharingSwitch"));
    m_status->setObjectName(QStringLiteral("PlayerStatus"));
    m_files->setObjectName(QStringLiteral("StreamedFiles"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sharing);
    layout->addWidget(m_status);
    layout->addWidget(new QLabel(tr("Streamed files:"), this));
    layout->addWidget(m_files);

    m_sharing->setChecked(server->isSharing());
    m_files->addItems(server->streamedFiles());
    showConnected(server->isConnected());

    connect(m_sharing, &QCheckBox::toggled, server, &MediaServer::setSharing);
    connect(server, &MediaServer::sharingChanged, m_sharing, &QCheckBox::setChecked);
    connect(server, &MediaServer::connectedChanged, this, &MediaServerWindow::showConnected);
    connect(server, &MediaServer::fileStreamed, this, [this](const QString &path) {
        m_files->addItem(path);
        m_files->scrollToBottom();
    });
    resize(420, 300);
}

void MediaServerWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void MediaServerWindow::showConnected(bool connected)
{
    m_status->setText(connected ? tr("A player is connected.") : tr("Waiting for a player..."));
}
