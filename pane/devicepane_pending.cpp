// Temporary bodies while the controller lands; each moves out as it is built.
#include "pane/devicepane.h"

namespace Zarnet {

void DevicePane::editDevice(TransferDeviceWidget *) {}
void DevicePane::deleteDevice(TransferDeviceWidget *, bool) {}
void DevicePane::afterFilesTransferred() {}
void DevicePane::addDeviceButtonClicked() {}
void DevicePane::adjustSizeForScrollabilitySlot() {}
void DevicePane::noteTransferDevicesHaveChangedExternally() {}
void DevicePane::noteTransferDevicesHaveChangedInternallySlot() {}
void DevicePane::syncWidgetsToTransferDevices(bool) {}
void DevicePane::toggleDevicePane() {}
void DevicePane::updateDevicePaneMenus() {}
void DevicePane::launchKMSClicked() {}
void DevicePane::streamToSlot() {}
void DevicePane::transferFilesToDeviceSlot(QAction *) {}
void DevicePane::burnFilesSlot() {}
void DevicePane::checkStreamingSlot() {}
void DevicePane::updateStreamingStateSlot(bool) {}
void DevicePane::sendFileNameSlot() {}
void DevicePane::disconnectPipeSlot() {}

} // namespace Zarnet
