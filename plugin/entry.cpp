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

extern "C" __attribute__((visibility("default"))) int _getPlugin(
    Orbe::PluginContext *context, Orbe::Plugin **out)
{
    if (!out)
        return Orbe::NothingToDo;
    *out = nullptr;
    // Nothing may leave a C entry point; running out of memory anywhere in
    // the construction answers no plug-in, as a failed allocation of it does.
    try {
        *out = new Zarnet::DevicePane(context);
    } catch (...) {
        *out = nullptr;
    }
    return Orbe::Ok;
}
