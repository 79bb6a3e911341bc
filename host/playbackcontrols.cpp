#include "host/playbackcontrols.h"

#include "host/videoplayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

PlaybackControls::PlaybackControls(VideoPlayer *player, QWidget *parent)
    : QWidget(parent)
    , m_player(player)
    , m_seek(new QSlider(Qt::Horizontal, this))
    , m_time(new QLabel(this))
    , m_mute(new QToolButton(this))
    , m_volume(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("PlaybackControls"));
    // Light text for the dark control bar it sits on.
    setStyleSheet(QStringLiteral("QLabel#TimeLabel { color: #e0e0e0; }"));
    m_seek->setObjectName(QStringLiteral("SeekBar"));
    m_seek->setRange(0, 0);
    m_seek->setMinimumWidth(120);
    m_seek->setToolTip(tr("Position (\u2190/\u2192: 5 seconds)"));
    m_time->setObjectName(QStringLiteral("TimeLabel"));
    m_time->setText(timeText(0, 0));
    m_mute->setObjectName(QStringLiteral("MuteButton"));
    m_mute->setCheckable(true);
    m_mute->setAutoRaise(true);
    m_volume->setObjectName(QStringLiteral("VolumeSlider"));
    m_volume->setRange(0, 100);
    m_volume->setFixedWidth(90);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_seek, 1);
    layout->addWidget(m_time);
    layout->addSpacing(8);
    layout->addWidget(m_mute);
    layout->addWidget(m_volume);

    // Moving the handle seeks once, where it is let go; clicks and keys at once.
    connect(m_seek, &QSlider::sliderReleased, this, [this] { m_player->seek(m_seek->value()); });
    connect(m_seek, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            m_player->seek(m_seek->sliderPosition());
    });
    connect(m_player, &VideoPlayer::positionChanged, this, &PlaybackControls::showPosition);
    connect(m_player, &VideoPlayer::durationChanged, this, &PlaybackControls::showDuration);
    connect(m_volume, &QSlider::valueChanged, m_player, &VideoPlayer::setVolume);
    connect(m_mute, &QToolButton::toggled, m_player, &VideoPlayer::setMuted);
    connect(m_player, &VideoPlayer::volumeChanged, this, &PlaybackControls::showVolume);
    connect(m_player, &VideoPlayer::mutedChanged, this, &PlaybackControls::showVolume);
    showVolume();
}

QString PlaybackControls::timeText(qint64 ms, qint64 totalMs)
{
    const auto clock = [totalMs](qint64 value) {
        const qint64 seconds = qMax<qint64>(0, value) / 1000;
        const QString minutesAndSeconds
            = QStringLiteral("%1:%2")
                  .arg(seconds / 60 % 60, totalMs >= 3600000 ? 2 : 1, 10, QLatin1Char('0'))
                  .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        return totalMs >= 3600000 ? QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds)
                                  : minutesAndSeconds;
    };
    return clock(ms) + QStringLiteral(" / ") + clock(totalMs);
}

void PlaybackControls::showPosition(qint64 ms)
{
    if (!m_seek->isSliderDown())
        m_seek->setValue(int(ms));
    m_time->setText(timeText(ms, m_duration));
}

void PlaybackControls::showDuration(qint64 ms)
{
    m_duration = ms;
    m_seek->setRange(0, int(ms));
    m_seek->setPageStep(int(qMax<qint64>(1000, ms / 10)));
    m_time->setText(timeText(m_player->position(), ms));
}

void PlaybackControls::showVolume()
{
    const QSignalBlocker quietSlider(m_volume);
    const QSignalBlocker quietButton(m_mute);
    m_volume->setValue(m_player->volume());
    m_mute->setChecked(m_player->isMuted());
    const bool silent = m_player->isMuted() || m_player->volume() == 0;
    m_mute->setIcon(style()->standardIcon(silent ? QStyle::SP_MediaVolumeMuted : QStyle::SP_MediaVolume));
    const QString volume = tr("Volume %1% (\u2191/\u2193)").arg(m_player->volume());
    if (m_player->hasAudio()) {
        m_mute->setToolTip(m_player->isMuted() ? tr("Sound off: click to turn it on") : tr("Mute"));
        m_volume->setToolTip(volume);
    } else {
        // Nothing is wrong with the video: there is just nothing to play the sound on.
        m_mute->setToolTip(tr("No sound device: videos play without sound"));
        m_volume->setToolTip(volume + QLatin1Char('\n') + tr("No sound device: videos play without sound"));
    }
}
