#pragma once

#include "plugin/orbestring.h"

#include <list>

namespace Orbe {

// What the host knows of one plug-in library: where it is and which
// interface ids it provides. Records are compared by identity (address).
struct PluginInfo
{
    String name;
    String libraryPath;
    std::list<String> interfaceIds;
};

} // namespace Orbe
