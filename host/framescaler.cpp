#include "host/framescaler.h"

#include <QVideoFrame>
#include <QVideoFrameFormat>

extern "C" {
#include <libswscale/swscale.h>
}

namespace {
AVPixelFormat sourceFormat(QVideoFrameFormat::PixelFormat format)
{
    switch (format) {
    case QVideoFrameFormat::Format_YUV420P:
        return AV_PIX_FMT_YUV420P;
    case QVideoFrameFormat::Format_YUV422P:
        return AV_PIX_FMT_YUV422P;
    case QVideoFrameFormat::Format_NV12:
        return AV_PIX_FMT_NV12;
    case QVideoFrameFormat::Format_NV21:
        return AV_PIX_FMT_NV21;
    default:
        return AV_PIX_FMT_NONE;
    }
}
} // namespace

FrameScaler::~FrameScaler()
{
    sws_freeContext(m_context);
}

QImage FrameScaler::scaled(const QVideoFrame &frame, const QSize &size)
{
    const AVPixelFormat format = sourceFormat(frame.pixelFormat());
    if (format == AV_PIX_FMT_NONE || size.isEmpty() || frame.size().isEmpty())
        return QImage();
    m_context = sws_getCachedContext(m_context, frame.width(), frame.height(), format, size.width(),
        size.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_context)
        return QImage();
    QVideoFrame source(frame);
    if (!source.map(QVideoFrame::ReadOnly))
        return QImage();
    const uint8_t *planes[4] = {};
    int strides[4] = {};
    for (int plane = 0; plane < source.planeCount() && plane < 4; ++plane) {
        planes[plane] = source.bits(plane);
        strides[plane] = source.bytesPerLine(plane);
    }
    QImage image(size, QImage::Format_RGB32);
    uint8_t *const target[4] = { image.bits(), nullptr, nullptr, nullptr };
    const int targetStrides[4] = { int(image.bytesPerLine()), 0, 0, 0 };
    const int rows = sws_scale(m_context, planes, strides, 0, frame.height(), target, targetStrides);
    source.unmap();
    return rows > 0 ? image : QImage();
}
