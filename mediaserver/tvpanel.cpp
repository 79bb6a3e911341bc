#include "mediaserver/tvpanel.h"

#include "mediaserver/sharingsettings.h"
#include "mediaserver/tvstreamer.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

void describe(QWidget *widget, const QString &name, const QString &tip)
{
    widget->setAccessibleName(name);
    widget->setToolTip(tip);
}

QString clock(int seconds)
{
    if (seconds < 0)
        return QStringLiteral("--:--");
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TvPanel::TvPanel(TvStreamer *streamer, QWidget *parent)
    : QWidget(parent)
    , m_streamer(streamer)
    , m_file(new QLabel(this))
    , m_renderers(new QListWidget(this))
    , m_none(new QLabel(this))
    , m_play(new QPushButton(tr("&Play on this TV"), this))
    , m_state(new QLabel(this))
    , m_pause(new QPushButton(tr("P&ause"), this))
    , m_stop(new QPushButton(tr("&Stop"), this))
    , m_position(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("TvPanel"));
    m_file->setObjectName(QStringLiteral("TvFile"));
    m_renderers->setObjectName(QStringLiteral("Renderers"));
    m_none->setObjectName(QStringLiteral("NoRenderer"));
    m_play->setObjectName(QStringLiteral("PlayOnTv"));
    m_state->setObjectName(QStringLiteral("TvState"));
    m_pause->setObjectName(QStringLiteral("TvPause"));
    m_stop->setObjectName(QStringLiteral("TvStop"));
    m_position->setObjectName(QStringLiteral("TvPosition"));
    m_none->setWordWrap(true);
    m_state->setWordWrap(true);
    m_none->setText(tr("No TV found yet. Check that the TV is switched on, is on the same network as this "
                       "computer, and has its DLNA or \"media sharing\" setting on."));
    describe(m_renderers, tr("TVs"), tr("The TVs and players on your home network that can play a video."));
    describe(m_play, tr("Play on this TV"), tr("Plays the video on the TV chosen in the list."));
    describe(m_pause, tr("Pause"), tr("Pauses the TV, or goes on playing."));
    describe(m_stop, tr("Stop"), tr("Stops playing on the TV."));
    describe(m_position, tr("Position"), tr("Where the TV is in the video; drag to go elsewhere."));

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_pause);
    controls->addWidget(m_stop);
    controls->addWidget(m_position, 1);
    auto *heading = new QLabel(tr("Play on a &TV:"), this);
    heading->setBuddy(m_renderers);
    // A few TVs at most: the list need not take the window.
    m_renderers->setMaximumHeight(m_renderers->fontMetrics().height() * 6);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_file);
    layout->addWidget(heading);
    layout->addWidget(m_renderers);
    layout->addWidget(m_none);
    layout->addWidget(m_play);
    layout->addWidget(m_state);
    layout->addLayout(controls);

    RendererControl *renderers = &streamer->renderers();
    connect(renderers, &RendererControl::rendererFound, this, &TvPanel::listRenderers);
    connect(renderers, &RendererControl::rendererLost, this, &TvPanel::listRenderers);
    connect(m_renderers, &QListWidget::itemActivated, this, &TvPanel::playChosen);
    connect(m_play, &QPushButton::clicked, this, &TvPanel::playChosen);
    connect(m_pause, &QPushButton::clicked, this, [this] {
        if (m_streamer->status().state == QLatin1String("PLAYING"))
            m_streamer->pause();
        else
            m_streamer->resume();
    });
    connect(m_stop, &QPushButton::clicked, streamer, &TvStreamer::stop);
    connect(m_position, &QSlider::sliderReleased, this, [this] { m_streamer->seek(m_position->value()); });
    connect(streamer, &TvStreamer::fileChanged, this, &TvPanel::showPhase);
    connect(streamer, &TvStreamer::statusChanged, this, &TvPanel::showStatus);
    connect(streamer, &TvStreamer::converting, this, [this](double fraction) {
        m_state->setText(tr("The TV cannot play this video as it is: converting it for the TV, %1 % done.")
                             .arg(qRound(fraction * 100)));
    });
    connect(streamer, &TvStreamer::phaseChanged, this, [this](TvStreamer::Phase, const QString &message) {
        m_message = message;
        showPhase();
    });
    listRenderers();
    showPhase();
}

void TvPanel::listRenderers()
{
    const QString chosen = m_renderers->currentItem()
        ? m_renderers->currentItem()->data(Qt::UserRole).toString()
        : SharingSettings::lastRenderer();
    QList<MediaRenderer> found = m_streamer->renderers().renderers();
    // The one chosen last comes first.
    const QString last = SharingSettings::lastRenderer();
    std::stable_partition(
        found.begin(), found.end(), [&](const MediaRenderer &renderer) { return renderer.udn == last; });
    m_renderers->clear();
    for (const MediaRenderer &renderer : std::as_const(found)) {
        auto *item = new QListWidgetItem(renderer.name, m_renderers);
        item->setData(Qt::UserRole, renderer.udn);
        item->setToolTip(renderer.udn);
        if (renderer.udn == chosen)
            m_renderers->setCurrentItem(item);
    }
    if (!m_renderers->currentItem() && m_renderers->count() > 0)
        m_renderers->setCurrentRow(0);
    showPhase();
}

void TvPanel::playChosen()
{
    if (QListWidgetItem *item = m_renderers->currentItem())
        m_streamer->playOn(item->data(Qt::UserRole).toString());
}

void TvPanel::showPhase()
{
    const bool hasFile = !m_streamer->file().isEmpty();
    const bool any = m_renderers->count() > 0;
    m_file->setText(hasFile ? tr("To play: %1").arg(QFileInfo(m_streamer->file()).fileName())
                            : tr("Use \"Stream to ...\" in the player to play a video on a TV."));
    m_none->setVisible(!any);
    m_renderers->setVisible(any);
    m_play->setEnabled(hasFile && any);
    const bool playing = m_streamer->phase() == TvStreamer::Phase::Playing;
    for (QWidget *control : { static_cast<QWidget *>(m_pause), static_cast<QWidget *>(m_stop),
             static_cast<QWidget *>(m_position) })
        control->setEnabled(playing);
    switch (m_streamer->phase()) {
    case TvStreamer::Phase::Idle:
        m_state->clear();
        break;
    case TvStreamer::Phase::Preparing:
        m_state->setText(tr("Getting the video ready for the TV..."));
        break;
    case TvStreamer::Phase::Converting:
        m_state->setText(tr("The TV cannot play this video as it is: converting it for the TV..."));
        break;
    case TvStreamer::Phase::Playing:
        showStatus(m_streamer->status());
        break;
    case TvStreamer::Phase::Failed:
        m_state->setText(m_message);
        break;
    }
}

void TvPanel::showStatus(const RendererStatus &status)
{
    if (m_streamer->phase() != TvStreamer::Phase::Playing)
        return;
    QString state;
    if (status.state == QLatin1String("PLAYING"))
        state = tr("Playing");
    else if (status.state == QLatin1String("PAUSED_PLAYBACK"))
        state = tr("Paused");
    else if (status.state == QLatin1String("STOPPED"))
        state = tr("Stopped");
    else
        state = tr("Starting...");
    m_state->setText(tr("%1 on the TV: %2 of %3")
                         .arg(state, clock(status.positionSeconds), clock(status.durationSeconds)));
    m_pause->setText(status.state == QLatin1String("PLAYING") ? tr("P&ause") : tr("Pl&ay"));
    if (!m_position->isSliderDown()) {
        m_position->setRange(0, std::max(0, status.durationSeconds));
        m_position->setValue(std::max(0, status.positionSeconds));
    }
}
