#include "pane/devicepane.h"
#include "plugin/interfaceids.h"

#include <new>

namespace {
// The ids are process-wide and built when the library loads.
__attribute__((constructor)) void buildInterfaceIds()
{
    Orbe::menuInterfaceId();
    Orbe::toolBarInterfaceId();
    Orbe::playbackServicesInterfaceId();
    Orbe::mediaViewInterfaceId();
    Orbe::mediaManagerInterfaceId();
}
} // namespace

extern "C" __attribute__((visibility("default"))) int _getPlugin(Orbe::PluginContext *context, Orbe::Plugin **out)
{
    if (!out)
        return Orbe::NothingToDo;
    auto *pane = new (std::nothrow) Zarnet::DevicePane(context);
    *out = pane ? static_cast<Orbe::Plugin *>(pane) : nullptr;
    return Orbe::Ok;
}
