#pragma once

#include <QString>

// The media server's values in the settings store, beside the player's:
// its own under "KavoMediaServer/" (sharing, the name on the network), and
// the player's media folder ("General/MediaFolder", which the host writes),
// read only. Every call goes to the store, so another process's change is
// seen at the next read.
class SharingSettings
{
public:
    // Off until the user switches it on.
    static bool sharing();
    static bool setSharing(bool on);
    // Empty when never set: the server then goes by defaultName().
    static QString name();
    static bool setName(const QString &name);
    static QString defaultName();
    static QString mediaFolder();
    // The UDN of the renderer "Stream to ..." played on last; empty if none.
    static QString lastRenderer();
    static bool setLastRenderer(const QString &udn);
};
