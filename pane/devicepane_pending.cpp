// Temporary bodies while the streaming item lands.
#include "pane/devicepane.h"

namespace Zarnet {

void DevicePane::setupStreamingItem(QToolButton *) {}
void DevicePane::launchKMSClicked() {}
void DevicePane::streamToSlot() {}
void DevicePane::checkStreamingSlot() {}
void DevicePane::updateStreamingStateSlot(bool) {}
void DevicePane::sendFileNameSlot() {}
void DevicePane::disconnectPipeSlot() {}

} // namespace Zarnet
