#include "host/videoview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSplitter>
#include <QStyle>
#include <QVideoSink>

namespace {
constexpr qint64 SkipMs = 5000;
constexpr int VolumeStep = 5;
} // namespace

VideoView::VideoView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Screen"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(200);
}

void VideoView::setSink(QVideoSink *sink)
{
    if (m_sink)
        disconnect(m_sink, nullptr, this, nullptr);
    m_sink = sink;
    if (m_sink)
        connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoView::takeFrame);
}

void VideoView::setDisplayAspect(double aspect)
{
    m_displayAspect = aspect > 0 ? aspect : 0;
    update();
}

QRect VideoView::pictureRect() const
{
    if (!m_frame.isValid())
        return QRect();
    QSize shape = m_frame.size();
    if (m_displayAspect > 0)
        shape = QSize(qRound(shape.height() * m_displayAspect), shape.height());
    return QStyle::alignedRect(
        layoutDirection(), Qt::AlignCenter, shape.scaled(size(), Qt::KeepAspectRatio), rect());
}

void VideoView::showMessage(const QString &text)
{
    m_message = text;
    m_frame = QVideoFrame();
    update();
}

void VideoView::takeFrame(const QVideoFrame &frame)
{
    if (!frame.isValid())
        return;
    m_frame = frame;
    m_message.clear();
    ++m_framesShown;
    update();
}

void VideoView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isValid()) {
        const QRect target = pictureRect();
        const QImage picture = m_scaler.scaled(m_frame, target.size() * devicePixelRatio());
        if (!picture.isNull()) {
            painter.drawImage(target, picture);
            return;
        }
        QVideoFrame::PaintOptions options;
        options.aspectRatioMode = Qt::IgnoreAspectRatio;
        options.backgroundColor = Qt::black;
        m_frame.paint(&painter, QRectF(target), options);
        return;
    }
    painter.setPen(QColor(0xd8, 0xd8, 0xd8));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    painter.setFont(font);
    painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, m_message);
}

void VideoView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setFullScreenView(!m_fullScreen);
}

void VideoView::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        emit togglePauseRequested();
        break;
    case Qt::Key_Left:
        emit skipRequested(-SkipMs);
        break;
    case Qt::Key_Right:
        emit skipRequested(SkipMs);
        break;
    case Qt::Key_Up:
        emit volumeStepRequested(VolumeStep);
        break;
    case Qt::Key_Down:
        emit volumeStepRequested(-VolumeStep);
        break;
    case Qt::Key_F:
        setFullScreenView(!m_fullScreen);
        break;
    case Qt::Key_Escape:
        if (!m_fullScreen) {
            QWidget::keyPressEvent(event);
            return;
        }
        setFullScreenView(false);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void VideoView::setFullScreenView(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (on) {
        // A window of its own while full screen, still owned by the player's
        // window so it goes with it; it returns to its place after.
        m_home = parentWidget();
        auto *splitter = qobject_cast<QSplitter *>(m_home);
        m_homeIndex = splitter ? splitter->indexOf(this) : -1;
        QWidget *owner = window();
        setParent(owner != this ? owner : nullptr, Qt::Window);
        showFullScreen();
    } else {
        auto *splitter = qobject_cast<QSplitter *>(m_home);
        if (splitter)
            splitter->insertWidget(qMax(0, m_homeIndex), this);
        else if (m_home)
            setParent(m_home, Qt::Widget);
        showNormal();
        show();
    }
    activateWindow();
    setFocus();
}
