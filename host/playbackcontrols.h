#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;
class VideoPlayer;

// The seek bar with elapsed and total time, and the mute button with the
// volume slider, kept in step with one video player.
class PlaybackControls : public QWidget
{
    Q_OBJECT

public:
    explicit PlaybackControls(VideoPlayer *player, QWidget *parent = nullptr);

    static QString timeText(qint64 ms, qint64 totalMs);

    QSlider *seekBar() const { return m_seek; }
    QSlider *volumeSlider() const { return m_volume; }
    QToolButton *muteButton() const { return m_mute; }
    QLabel *timeLabel() const { return m_time; }

private:
    void showPosition(qint64 ms);
    void showDuration(qint64 ms);
    void showVolume();

    VideoPlayer *m_player;
    QSlider *m_seek;
    QLabel *m_time;
    QToolButton *m_mute;
    QSlider *m_volume;
    qint64 m_duration = 0;
};
