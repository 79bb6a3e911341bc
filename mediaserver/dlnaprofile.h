#pragma once

#include <QString>

namespace Zarnet {
struct MediaProbe;
}

// The MIME type and DLNA profile name a client is told for a video: from a
// probe where there is one, from the file name's extension otherwise.
class DlnaProfile
{
public:
    static QString mimeTypeForName(const QString &fileName);
    static QString mimeType(const Zarnet::MediaProbe &probe, const QString &fileName);
    // Empty where no profile fits (Matroska, QuickTime, H.264 in AVI...).
    static QString profileName(const Zarnet::MediaProbe &probe);
    static bool isVideoName(const QString &fileName);
};
