#pragma once

#include <QByteArray>

namespace Zarnet {

// What an MPEG-4 Part 2 elementary stream uses that ffprobe does not report:
// read from its VOL headers and the start of each VOP. Pure; a stream cut
// anywhere gives what was read up to the cut.
struct Mpeg4Stream
{
    bool hasVol = false; // a VOL header read through to quarter_sample
    int width = 0;
    int height = 0;
    bool qpel = false;
    bool gmc = false; // sprites in the VOL (GMC or static) or an S-VOP
    int longestBRun = 0; // coded B-VOPs in a row
    int vops = 0; // coded VOPs

    static Mpeg4Stream parse(const QByteArray &bytes);
};

} // namespace Zarnet
