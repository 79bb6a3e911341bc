#include "pane/devicepane.h"

#include "ipc/ikavoipcdelivery.h"
#include "pane/panestyles.h"
#include "plugin/interfaceids.h"
#include "plugin/plugininterfaceref.h"
#include "settings/settingsholder.h"
#include "widgets/zrttoolbarmenu.h"
#include "zrt/osutilities.h"
#include "zrt/zrttoolbarbutton.h"

#include <QCoreApplication>
#include <QTimer>
#include <QToolButton>

namespace Zarnet {

namespace {
const char mediaServerSender[] = "KavoMediaServer";
const char pipeErrorSender[] = "_KavoPipeIPC_::";
} // namespace

DevicePane::DevicePane(Orbe::PluginContext *context)
    : QObject(nullptr)
    , Orbe::Plugin(context)
    , Ui::DevicePane()
    , Ui::MediaServerFunctionPane()
    , mediaServerLock(new QMutex)
{
    // The plug-in's entry answers "no plug-in" when this throws: leave nothing.
    try {
        pollTimer = new QTimer;
    } catch (...) {
        delete mediaServerLock;
        throw;
    }
}

DevicePane::~DevicePane()
{
    pollTimer->stop();
    unitSettings().Release();
    {
        QMutexLocker locker(mediaServerLock);
        mediaServerIpc.reset();
    }
    delete pollTimer;
    pollTimer = nullptr;
    delete mediaServerLock;
    mediaServerLock = nullptr;
    deviceIpc.reset();
    // The pop-ups have no parent; their widgets hold pointers into this object.
    delete paneWidget;
    delete streamingPopup;
    if (playbackServices) {
        playbackServices->reset();
        delete playbackServices;
    }
    if (mediaView) {
        mediaView->reset();
        delete mediaView;
    }
}

kvds::SettingsHolder &DevicePane::unitSettings()
{
    static kvds::SettingsHolder holder(&OSUtilities::getComponentIdUTF8);
    return holder;
}

int DevicePane::queryInterface(const Orbe::String &id, void **out)
{
    if (!out)
        return Orbe::NothingToDo;
    *out = nullptr;
    if (id == Orbe::menuInterfaceId()) {
        *out = static_cast<MenuInterface *>(this);
        return Orbe::Ok;
    }
    if (id == Orbe::toolBarInterfaceId()) {
        *out = static_cast<ToolBarInterface *>(this);
        return Orbe::Ok;
    }
    return Orbe::NotFound;
}

QObject *DevicePane::menuObject()
{
    return this;
}

QStringList DevicePane::toolBarItems(QString group)
{
    if (group == QLatin1String("ControlButtons"))
        return { QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming") };
    return {};
}

void DevicePane::setupToolBarItem(QString name, QToolButton *button)
{
    if (!button)
        return;
    if (name == QLatin1String("ShowDeviceMenu")) {
        button->setStyleSheet(PaneStyles::showDeviceMenuButton());
        button->setCheckable(true);
        showPaneButton = button;
        if (!paneWidget)
            initializePane();
        if (auto *toolBarButton = qobject_cast<ZRTToolBarButton *>(button)) {
            toolBarButton->setPopup(paneWidget);
            toolBarButton->setPopupStaysOpen(true);
        }
        connect(button, &QToolButton::clicked, this, &DevicePane::updateDevicePaneMenus);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        watchPlayerWindow();
    } else if (name == QLatin1String("Streaming")) {
        setupStreamingItem(button);
    }
}

void DevicePane::OnMessage(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    // Runs on an endpoint's thread: only signals leave here.
    if (sender == mediaServerSender) {
        if (topic == "StartedResponse") {
            const bool sharing = length > 0 && data && *static_cast<const unsigned char *>(data) != 0;
            emit msgStartedResponseSignal(sharing);
        }
        return;
    }
    if (sender == pipeErrorSender) {
        if (topic == "IPCPipeError")
            emit disconnectPipeSignal();
        return;
    }
    if (topic.compare(0, 7, "Device/") != 0)
        return;
    // The pane has already shown its own changes; another player of the same
    // user sends under the same component id, and its changes are news here.
    if (sender != OSUtilities::getComponentIdUTF8() || noticeFromAnotherProcess())
        emit noteTransferDevicesHaveChangedExternallySignal();
}

bool DevicePane::noticeFromAnotherProcess() const
{
    long sendingProcess = 0;
    return deviceDelivery && deviceDelivery->CurrentSenderProcess(&sendingProcess)
        && sendingProcess != static_cast<long>(QCoreApplication::applicationPid());
}

} // namespace Zarnet
