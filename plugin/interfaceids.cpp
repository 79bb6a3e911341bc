#include "plugin/interfaceids.h"

namespace Orbe {

// Function-local statics: no global constructors in a library a host loads.
const String &menuInterfaceId()
{
    static const String id("com.kavo.playerX.pluginInterface.Menu");
    return id;
}

const String &toolBarInterfaceId()
{
    static const String id("com.kavo.playerX.pluginInterface.ToolBar");
    return id;
}

const String &playbackServicesInterfaceId()
{
    static const String id("com.kavo.playerX.pluginInterface.PlaybackServices");
    return id;
}

const String &mediaViewInterfaceId()
{
    static const String id("com.kavo.playerX.pluginInterface.MediaView");
    return id;
}

const String &mediaManagerInterfaceId()
{
    static const String id("com.kavo.playerX.pluginInterface.MediaManager");
    return id;
}

} // namespace Orbe
