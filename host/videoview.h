#pragma once

#include "host/framescaler.h"

#include <QPointer>
#include <QVideoFrame>
#include <QWidget>

class QVideoSink;

// The picture area: the newest frame at its display aspect on black, or a
// line of text (what to do, why a file does not play) when there is none.
// It goes full screen on a double-click or F, and back on Esc or F.
class VideoView : public QWidget
{
    Q_OBJECT

public:
    explicit VideoView(QWidget *parent = nullptr);

    void setSink(QVideoSink *sink);
    // Width over height to show frames at; 0 shows their pixels square.
    void setDisplayAspect(double aspect);
    // Where the current frame is drawn; empty without one.
    QRect pictureRect() const;
    // Drops the frame and shows the text instead.
    void showMessage(const QString &text);
    QString message() const { return m_message; }
    bool hasFrame() const { return m_frame.isValid(); }
    qint64 framesShown() const { return m_framesShown; }

    bool isFullScreenView() const { return m_fullScreen; }
    void setFullScreenView(bool on);

signals:
    void togglePauseRequested();
    void skipRequested(qint64 deltaMs);
    void volumeStepRequested(int delta);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeFrame(const QVideoFrame &frame);

    QVideoSink *m_sink = nullptr;
    QVideoFrame m_frame;
    FrameScaler m_scaler;
    QString m_message;
    qint64 m_framesShown = 0;
    double m_displayAspect = 0;
    bool m_fullScreen = false;
    QPointer<QWidget> m_home; // the parent it returns to from full screen
    int m_homeIndex = -1;
};
