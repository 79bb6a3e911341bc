#pragma once

#include <QString>

// One video the server shares, as the network sees it: an opaque id, the
// file it serves and what a probe found (zero or empty where unknown).
struct SharedVideo
{
    QString id;
    QString path;
    QString title;
    QString mimeType;
    QString dlnaProfile;
    qint64 size = 0;
    int durationSeconds = 0;
    int width = 0;
    int height = 0;

    bool operator==(const SharedVideo &other) const
    {
        return id == other.id && path == other.path && title == other.title && mimeType == other.mimeType
            && dlnaProfile == other.dlnaProfile && size == other.size
            && durationSeconds == other.durationSeconds && width == other.width && height == other.height;
    }
    bool operator!=(const SharedVideo &other) const { return !(*this == other); }
};
