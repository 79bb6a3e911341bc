#include "devices/transferdevices.h"

#include "ipc/kavoipc.h"

namespace TransferDevicesLibrary {

TransferDevices *TransferDevices::instance(const std::string &componentId)
{
    return instance(componentId, &CreateWindowMessageIPC);
}

} // namespace TransferDevicesLibrary
