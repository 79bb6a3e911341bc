// The "Streaming" item: polling the media server over its pipe, showing its
// sharing state, and handing it the video to stream.
#include "pane/devicepane.h"

#include "ipc/ckavonamedpipeipc.h"
#include "ipc/kavoos.h"
#include "pane/panestyles.h"
#include "plugin/mediaviewinterface.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugininterfaceref.h"
#include "widgets/modalrunner.h"
#include "widgets/zrttoolbarmenu.h"
#include "zrt/commonmenubar.h"
#include "zrt/kavomediaserver.h"
#include "zrt/zrttoolbarbutton.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QTimer>
#include <QToolButton>

namespace Zarnet {

namespace {
const char channel[] = "C277327F-6714-4129-A79F-6D8477523D76";
const char topicPrefix[] = "DevicePane->KavoMediaServerDialog";
const char playerSender[] = "Player";
} // namespace

void DevicePane::setupStreamingItem(QToolButton *button)
{
    streamingButton = button;
    updateStreamingStateSlot(false);
    if (!streamingPopup) {
        streamingPopup = new ZRTToolBarMenu(nullptr);
        Ui::MediaServerFunctionPane::setupUi(streamingPopup);
    }
    connect(SettingsBtn, &QToolButton::clicked, this, &DevicePane::launchKMSClicked, Qt::UniqueConnection);
    connect(StreamToBtn, &QToolButton::clicked, this, &DevicePane::streamToSlot, Qt::UniqueConnection);
    if (auto *toolBarButton = qobject_cast<ZRTToolBarButton *>(button))
        toolBarButton->setPopup(streamingPopup);
    button->setEnabled(KavoMediaServer::IsKMSInstalled());
    fitFunctionButtons(MediaServerFunctionLayout);
    pollTimer->start();
}

void DevicePane::fitFunctionButtons(QLayout *layout)
{
    QWidget *parent = layout ? layout->parentWidget() : nullptr;
    if (!parent)
        return;
    parent->ensurePolished();
    const int h = QFontMetrics(parent->font()).height();
    int width = 7 * h;
    for (int i = layout->count() - 1; i >= 0; --i) {
        auto *button = qobject_cast<QToolButton *>(layout->itemAt(i)->widget());
        if (button)
            width = std::max(width, h + QFontMetrics(button->font()).horizontalAdvance(button->text()));
    }
    const int height = static_cast<int>(width / 1.6666666666666667);
    for (int i = layout->count() - 1; i >= 0; --i) {
        if (auto *button = qobject_cast<QToolButton *>(layout->itemAt(i)->widget())) {
            button->setFixedSize(width, height);
            button->setIconSize(QSize(height / 2, height / 2));
        }
    }
    parent->adjustSize();
}

bool DevicePane::sendMediaServerMessage(const std::string &name, unsigned size, const void *data)
{
    QMutexLocker locker(mediaServerLock);
    if (!mediaServerIpc) {
        if (kvds::CreateNamedPipeIPC(channel, true, nullptr, &mediaServerIpc))
            mediaServerIpc->RegisterCallback(std::string(topicPrefix), this, false);
    }
    if (!mediaServerIpc)
        return false;
    int delivered = 0;
    return mediaServerIpc->Send(std::string(playerSender), topicPrefix + name, size, data, &delivered);
}

void DevicePane::checkStreamingSlot()
{
    // One request at a time: a media server that stopped reading must not
    // pile them up. Dropping a silent one shows it off and builds a new
    // endpoint on a later tick, as a broken pipe does.
    if (requestWaiting.isValid()) {
        if (requestWaiting.hasExpired(AnswerTimeoutMs))
            disconnectPipeSlot();
        return;
    }
    if (sendMediaServerMessage("StartedRequest", 0, nullptr)) {
        requestWaiting.start();
        return;
    }
    // A media server that came and went leaves the pipe taken by its dead
    // connection, and a new one could never get in: start afresh, as after
    // a broken pipe.
    const uint32_t error = KavoOS::GetLastError();
    if (error == KavoOS::kErrorBrokenPipe || error == KavoOS::kErrorPipeNotConnected)
        disconnectPipeSlot();
}

void DevicePane::updateStreamingStateSlot(bool on)
{
    streamingOn = on;
    requestWaiting.invalidate();
    if (!streamingButton)
        return;
    const QString &sheet = on ? PaneStyles::streamingOn() : PaneStyles::streamingOff();
    if (streamingButton->styleSheet() != sheet)
        streamingButton->setStyleSheet(sheet);
    streamingButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void DevicePane::disconnectPipeSlot()
{
    {
        QMutexLocker locker(mediaServerLock);
        mediaServerIpc.reset();
    }
    updateStreamingStateSlot(false);
}

void DevicePane::streamToSlot()
{
    QAction *streamTo = CommonMenuBar::getAction(CommonMenuBar::StreamTo);
    const bool fromPlayback
        = (streamTo && streamTo->property("context").toString() == QLatin1String("playback_context"))
        || (sender() && sender()->objectName() == QLatin1String("StreamToBtn"));

    QUrl url;
    if (fromPlayback) {
        if (auto *playback = playbackServices ? playbackServices->as<PlaybackServicesInterface>() : nullptr)
            url = playback->itemUrl(playback->currentItemId());
    } else if (auto *view = mediaView ? mediaView->as<MediaViewInterface>() : nullptr) {
        const QList<QUrl> selected = view->selectedUrls(0);
        if (!selected.isEmpty())
            url = selected.first();
    }

    if (url.isEmpty()) {
        ModalRunner::warning(tr("Video Not Found"), tr("Please play a video and then select \"stream to\""));
        return;
    }
    // A local path in the local encoding: non-Latin names must survive.
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (!QFileInfo::exists(path)) {
        ModalRunner::warning(tr("Video Not Found"), tr("File does not exist"));
        return;
    }
    if (!streamingOn)
        ModalRunner::warning(tr("Error Of Stream To..."), tr("You must turn on sharing first"));

    KavoMediaServer::launchKMS();

    if (streamingOn) {
        // Unique: a second press before the next response replaces the file, not adds a send.
        connect(this, &DevicePane::msgStartedResponseSignal, this, &DevicePane::sendFileNameSlot,
            Qt::UniqueConnection);
        pendingStreamFile = path;
    }
}

void DevicePane::sendFileNameSlot()
{
    disconnect(this, &DevicePane::msgStartedResponseSignal, this, &DevicePane::sendFileNameSlot);
    const QByteArray text = pendingStreamFile.toLocal8Bit();
    // With its terminating NUL.
    sendMediaServerMessage("StreamFileRequest", static_cast<unsigned>(text.size()) + 1, text.constData());
}

void DevicePane::launchKMSClicked()
{
    KavoMediaServer::launchKMS();
}

} // namespace Zarnet
