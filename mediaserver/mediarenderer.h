#pragma once

#include <QString>
#include <QStringList>

// A TV or other UPnP MediaRenderer found on the home network.
struct MediaRenderer
{
    QString udn; // its lasting id
    QString name;
    // What its ConnectionManager says it can play ("http-get:*:video/mp4:*", ...);
    // empty until it answered.
    QStringList sinkProtocols;
};
