#pragma once

#include <QString>

// What a renderer reported when last asked: its AVTransport state
// ("PLAYING", "PAUSED_PLAYBACK", "STOPPED", "TRANSITIONING", "NO_MEDIA_PRESENT")
// and where it is in the current track, in seconds (-1 when unknown).
struct RendererStatus
{
    QString state;
    int positionSeconds = -1;
    int durationSeconds = -1;

    bool operator==(const RendererStatus &other) const
    {
        return state == other.state && positionSeconds == other.positionSeconds
            && durationSeconds == other.durationSeconds;
    }
    bool operator!=(const RendererStatus &other) const { return !(*this == other); }
};
