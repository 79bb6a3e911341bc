#pragma once

#include <QImage>
#include <QSize>

class QVideoFrame;
struct SwsContext;

// Turns decoded frames into pictures of the size they are shown at, in one
// pass with libswscale: converting a whole 1080p frame to RGB first and then
// scaling it down costs the player as much again as decoding it.
class FrameScaler
{
public:
    FrameScaler() = default;
    ~FrameScaler();
    FrameScaler(const FrameScaler &) = delete;
    FrameScaler &operator=(const FrameScaler &) = delete;

    // A null image when the frame's pixel format is not one it knows or the
    // frame cannot be read; the caller then draws it another way.
    QImage scaled(const QVideoFrame &frame, const QSize &size);

private:
    SwsContext *m_context = nullptr;
};
