// Handing the host's files to the transfer wizard: the transfer submenu and
// the burn command.
#include "pane/devicepane.h"

#include "plugin/mediaviewinterface.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugininterfaceref.h"
#include "zrt/commonmenubar.h"
#include "zrt/transferwizard.h"

#include <QAction>
#include <QVariant>

namespace Zarnet {

namespace {
const char playbackContext[] = "playback_context";
}

void DevicePane::transferFromHost(unsigned actionId, unsigned target)
{
    auto *playback = playbackServices ? playbackServices->as<PlaybackServicesInterface>() : nullptr;
    auto *view = mediaView ? mediaView->as<MediaViewInterface>() : nullptr;
    if (!playback || !view)
        return;

    QAction *action = CommonMenuBar::getAction(actionId);
    const QString source = action ? action->property("context").toString() : QString();
    QList<QUrl> urls;
    if (source == QLatin1String(playbackContext)) {
        const QUrl url = playback->itemUrl(playback->currentItemId());
        if (!url.isEmpty())
            urls.append(url);
    } else {
        if (view->isSelectionEmpty())
            return;
        urls = view->selectedUrls(0);
    }
    TransferWizard::transferFiles(urls, QString(), target);
    playback->afterFilesTransferred();
}

void DevicePane::transferFilesToDeviceSlot(QAction *action)
{
    if (!action)
        return;
    const unsigned target = action->data().toUInt();
    if (target == 0) {
        addDeviceButtonClicked();
        return;
    }
    transferFromHost(CommonMenuBar::TransferTo, target);
}

void DevicePane::burnFilesSlot()
{
    transferFromHost(CommonMenuBar::Burn, TransferWizard::BurnTarget);
}

void DevicePane::afterFilesTransferred()
{
    if (auto *playback = playbackServices ? playbackServices->as<PlaybackServicesInterface>() : nullptr)
        playback->afterFilesTransferred();
}

} // namespace Zarnet
