#pragma once

#include "zrt/zrtglobal.h"

class QAction;

namespace Zarnet {

// The host's numbered menu actions, registered by the host and fetched by number.
class ZRT_EXPORT CommonMenuBar
{
public:
    enum ActionId : unsigned {
        ShowDevicePane = 1240,
        HideDevicePane = 1241,
        TransferTo = 2010,
        Burn = 2015,
        MediaServerSettings = 2016,
        StreamTo = 2017,
    };

    // Null when the host has registered no action (or it was destroyed).
    static QAction *getAction(unsigned id);
    static void setAction(unsigned id, QAction *action);
};

} // namespace Zarnet
