#include "mediaserver/mediaserverwindow.h"

#include "mediaserver/mediaserver.h"
#include "mediaserver/sharingservice.h"
#include "mediaserver/tvpanel.h"
#include "mediaserver/upnpserver.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace {

void describe(QWidget *widget, const QString &name, const QString &tip)
{
    widget->setAccessibleName(name);
    widget->setToolTip(tip);
}

} // namespace

MediaServerWindow::MediaServerWindow(
    MediaServer *server, SharingService *sharing, TvStreamer *streamer, QWidget *parent)
    : QWidget(parent)
    , m_sharing(new QCheckBox(tr("Share my videos on the home network"), this))
    , m_name(new QLineEdit(this))
    , m_status(new QLabel(this))
    , m_files(new QListWidget(this))
{
    setObjectName(QStringLiteral("MediaServerWindow"));
    setWindowTitle(tr("Kavo Media Server"));
    m_sharing->setObjectName(QStringLiteral("SharingSwitch"));
    m_name->setObjectName(QStringLiteral("ServerName"));
    m_status->setObjectName(QStringLiteral("PlayerStatus"));
    m_files->setObjectName(QStringLiteral("StreamedFiles"));
    auto *filesLabel = new QLabel(tr("Streamed files:"), this);
    filesLabel->setBuddy(m_files);
    auto *nameLabel = new QLabel(tr("&Name on the network:"), this);
    nameLabel->setBuddy(m_name);

    describe(m_sharing, tr("Share my videos"),
        tr("While this is on, TVs and players on your home network can find and play your videos."));
    describe(m_name, tr("Name on the network"),
        tr("The name TVs and players show for this computer's videos. Leave it empty for the usual one."));
    describe(
        m_status, tr("Player connection"), tr("Whether the Kavo player is connected to the media server."));
    describe(m_files, tr("Streamed files"),
        tr("The videos the player handed over with \"Stream to ...\"; they are shared under \"%1\".")
            .arg(UpnpServer::title(UpnpServer::Container::NowStreaming)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sharing);
    auto *form = new QFormLayout;
    form->addRow(nameLabel, m_name);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(filesLabel);
    layout->addWidget(m_files);
    if (streamer) {
        layout->addWidget(new TvPanel(streamer, this));
        connect(server, &MediaServer::fileStreamed, this, &MediaServerWindow::bringForward);
    }

    m_sharing->setChecked(server->isSharing());
    m_files->addItems(server->streamedFiles());
    showConnected(server->isConnected());

    if (sharing) {
        m_name->setText(sharing->name());
        connect(m_name, &QLineEdit::editingFinished, sharing,
            [this, sharing] { sharing->setName(m_name->text()); });
        connect(sharing, &SharingService::nameChanged, m_name, &QLineEdit::setText);
    } else {
        m_name->setEnabled(false);
    }
    connect(m_sharing, &QCheckBox::toggled, server, &MediaServer::setSharing);
    connect(server, &MediaServer::sharingChanged, m_sharing, &QCheckBox::setChecked);
    connect(server, &MediaServer::connectedChanged, this, &MediaServerWindow::showConnected);
    connect(server, &MediaServer::fileStreamed, this, [this](const QString &path) {
        m_files->addItem(path);
        m_files->scrollToBottom();
    });
    resize(420, streamer ? 520 : 300);
}

void MediaServerWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    else
        show();
    fitToScreen();
    raise();
    activateWindow();
}

void MediaServerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitToScreen();
}

void MediaServerWindow::fitToScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    // The frame's edges and title bar count too, once a window manager
    // has added them.
    const QSize extra = frameGeometry().size() - geometry().size();
    const QSize room = available.size() - extra;
    const QSize size = this->size().boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room));
    if (size != this->size())
        resize(size);
    QRect frame = frameGeometry();
    frame.moveLeft(qBound(available.left(), frame.left(), available.right() - frame.width() + 1));
    frame.moveTop(qBound(available.top(), frame.top(), available.bottom() - frame.height() + 1));
    if (frame.topLeft() != frameGeometry().topLeft())
        move(frame.topLeft());
}

void MediaServerWindow::showConnected(bool connected)
{
    m_status->setText(connected ? tr("A player is connected.") : tr("Waiting for a player..."));
}
