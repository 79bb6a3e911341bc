#include "tests/widgets/panelayout.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "widgets/transferdevicewidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include <memory>

namespace widgetstest {

namespace {
bool noEndpoint(kvds::IKavoIPC **out)
{
    *out = nullptr;
    return false;
}
} // namespace

TransferDevicesLibrary::TransferDevices *store()
{
    return TransferDevicesLibrary::TransferDevices::instance("WidgetsTest", noEndpoint);
}

TransferDevicesLibrary::TransferDevice *makeDevice(int type, const std::string &name, bool configured)
{
    TransferDevicesLibrary::TransferDevice *device = store()->createDevice(type, name);
    if (device && configured)
        device->markConfigured();
    return device;
}

TestDevicePane::TestDevicePane()
{
    // No defaults: the tests choose every device shown.
    store()->createInitialDevices({});
    harness.setUp();
    frame = harness.showButton.popup();
    DragFilesLabel = frame->findChild<QLabel *>(QStringLiteral("DragFilesLabel"));
    AddDevice = frame->findChild<QToolButton *>(QStringLiteral("AddDevice"));
}

QGridLayout *TestDevicePane::grid() const
{
    // The pane installs a fresh grid whenever it rebuilds.
    QWidget *contents = frame->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents"));
    return contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
}

Zarnet::TransferDeviceWidget *TestDevicePane::addDevice(TransferDevicesLibrary::TransferDevice *device)
{
    const std::unique_ptr<TransferDevicesLibrary::TransferDevice> record(device);
    QMetaObject::invokeMethod(harness.pane, "noteTransferDevicesHaveChangedExternally");
    QGridLayout *layout = grid();
    for (int i = 0; layout && i < layout->count(); ++i) {
        auto *button = qobject_cast<Zarnet::TransferDeviceWidget *>(layout->itemAt(i)->widget());
        if (button && button->device() && button->device()->deviceId() == record->deviceId())
            return button;
    }
    return nullptr;
}

TestStreamingPopup::TestStreamingPopup()
{
    pane.harness.pane->setupToolBarItem(QStringLiteral("Streaming"), &pane.harness.streamingButton);
    frame = pane.harness.streamingButton.popup();
    StreamToBtn = frame->findChild<QToolButton *>(QStringLiteral("StreamToBtn"));
    SettingsBtn = frame->findChild<QToolButton *>(QStringLiteral("SettingsBtn"));
}

} // namespace widgetstest
