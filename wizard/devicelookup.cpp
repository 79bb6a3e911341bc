#include "wizard/devicelookup.h"

#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "zrt/osutilities.h"

#include <memory>

namespace Zarnet {

DeviceLookup::Result DeviceLookup::find(unsigned id)
{
    using namespace TransferDevicesLibrary;
    Result result;
    auto *store = TransferDevices::instance(OSUtilities::getComponentIdUTF8());
    if (!store->isOpen())
        return result;
    std::unique_ptr<TransferDevice> device(store->deviceById(id));
    if (!device) {
        result.status = NoSuchDevice;
        return result;
    }
    result.name = QString::fromStdString(device->name());
    result.type = device->type();
    result.status = isKnownDeviceType(result.type) ? Found : UnknownType;
    return result;
}

} // namespace Zarnet
