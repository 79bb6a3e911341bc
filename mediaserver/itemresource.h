#pragma once

#include <QString>
#include <QStringList>

// What a renderer is handed for one of our items: the URL it fetches, that
// resource's protocolInfo, and the DIDL-Lite metadata it shows. Taken from
// our own ContentDirectory's answer, so it is whatever the server serves.
struct ItemResource
{
    QString url;
    QString protocolInfo; // "http-get:*:video/mp4:DLNA.ORG_PN=..."
    QString didl;

    // The first http-get resource of a Browse result; false without one.
    static bool fromDidl(const QString &didl, ItemResource *resource);
    // Whether a renderer's sink list takes this protocolInfo: the same MIME
    // type (video/quicktime taking MP4 too), and the DLNA profile where both
    // name one. An empty list (not
    // answered) takes everything: the TV then says itself.
    static bool playableBy(const QString &protocolInfo, const QStringList &sinkProtocols);
};
