#pragma once

#include "plugin/orbestring.h"

namespace Orbe {

// The interface ids, built once (the plug-in builds them when it loads).
const String &menuInterfaceId();
const String &toolBarInterfaceId();
const String &playbackServicesInterfaceId();
const String &mediaViewInterfaceId();
const String &mediaManagerInterfaceId();

} // namespace Orbe
