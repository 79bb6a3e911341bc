#include "host/playerwindow.h"

#include "host/hostplugin.h"
#include "host/medialibrary.h"
#include "host/medialistwidget.h"
#include "host/nowplaying.h"
#include "host/playbackcontrols.h"
#include "host/playeractions.h"
#include "host/playeroptions.h"
#include "host/playertoolbarbutton.h"
#include "host/playlistwidget.h"
#include "host/videoplayer.h"
#include "host/videoview.h"
#include "plugin/interfaceids.h"
#include "zrt/commonmenubar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPolygonF>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

using Zarnet::CommonMenuBar;

namespace {
constexpr int StatusMessageMs = 8000;
constexpr int NowPlayingPadding = 8;
constexpr int StartingPlaylistLength = 3;

QString idText(const Orbe::String &id)
{
    return QString::fromLatin1(id.c_str());
}

enum class Glyph { Play, Pause, Stop, Previous, Next };

// Light glyphs that stay visible on the dark control bar.
QIcon glyph(Glyph shape)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
    switch (shape) {
    case Glyph::Play:
        painter.drawPolygon(QPolygonF { QPointF(14, 9), QPointF(40, 24), QPointF(14, 39) });
        break;
    case Glyph::Pause:
        painter.drawRoundedRect(QRectF(13, 11, 8, 26), 2, 2);
        painter.drawRoundedRect(QRectF(27, 11, 8, 26), 2, 2);
        break;
    case Glyph::Stop:
        painter.drawRoundedRect(QRectF(12, 12, 24, 24), 3, 3);
        break;
    case Glyph::Previous:
        painter.drawRect(QRectF(11, 13, 4, 22));
        painter.drawPolygon(QPolygonF { QPointF(37, 13), QPointF(17, 24), QPointF(37, 35) });
        break;
    case Glyph::Next:
        painter.drawRect(QRectF(33, 13, 4, 22));
        painter.drawPolygon(QPolygonF { QPointF(11, 13), QPointF(31, 24), QPointF(11, 35) });
        break;
    }
    return QIcon(pixmap);
}

VideoPlayer::Audio audioChoice()
{
    // Tests and benchmarks play silently even where there is a sound device.
    return qEnvironmentVariableIsSet("KAVO_NO_AUDIO") ? VideoPlayer::Audio::None
                                                      : VideoPlayer::Audio::Default;
}

QWidget *titled(const QString &title, QWidget *body)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    auto *label = new QLabel(title, box);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
    layout->addWidget(body, 1);
    return box;
}
} // namespace

PlayerWindow::PlayerWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_library(new MediaLibrary(this))
    , m_player(new VideoPlayer(audioChoice(), this))
    , m_nowPlaying(new NowPlaying(m_library, m_player, this))
    , m_actions(new PlayerActions(this))
{
    setObjectName(QStringLiteral("PlayerWindow"));
    setWindowTitle(tr("Kavo Player"));
    resize(980, 620);
    setMinimumSize(640, 420);

    buildCentre();
    buildMenus();
    buildControlBar();
    buildShortcuts();
    statusBar()->showMessage(tr("Ready"));

    m_nowPlaying->setQueue([this] { return playOrder(); });
    connect(m_nowPlaying, &NowPlaying::currentChanged, this, &PlayerWindow::showNowPlaying);
    connect(m_nowPlaying, &NowPlaying::failed, this, &PlayerWindow::showFailure);
    connect(m_player, &VideoPlayer::playingChanged, this, &PlayerWindow::showPlayingState);
    if (qEnvironmentVariableIsSet("KAVO_DEBUG")) {
        connect(m_player, &VideoPlayer::firstFrame, this, [this](qint64 ms) {
            qInfo("kavo-player: first frame of %s after %lld ms",
                qPrintable(m_player->source().toLocalFile()), ms);
        });
    }
    connect(m_nowPlaying, &NowPlaying::filesTransferred, this,
        [this] { statusBar()->showMessage(tr("Files handed to the transfer wizard."), StatusMessageMs); });
    connect(m_library, &MediaLibrary::changed, this, &PlayerWindow::showLibraryState);
    showNowPlaying();
    showLibraryState();

    m_hostPlugin = std::make_unique<HostPlugin>(&m_context, m_nowPlaying, m_libraryList, m_library);
    m_hostPlugin->setPluginInfo(m_context.addKnownPlugin(QStringLiteral("kavo-player"), QString(),
        { idText(Orbe::playbackServicesInterfaceId()), idText(Orbe::mediaViewInterfaceId()),
            idText(Orbe::mediaManagerInterfaceId()) }));
    m_context.addLoadedPlugin(m_hostPlugin.get());
    // Until a plug-in serves them, its commands do nothing.
    m_actions->setPluginAvailable(false);
}

PlayerWindow::~PlayerWindow()
{
    unloadPlugin();
    m_context.removeLoadedPlugin(m_hostPlugin.get());
}

void PlayerWindow::buildCentre()
{
    m_libraryList = new MediaListWidget(m_library);
    m_libraryList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_emptyHint = new QLabel;
    m_emptyHint->setObjectName(QStringLiteral("EmptyLibraryHint"));
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setTextFormat(Qt::RichText);
    m_libraryStack = new QStackedWidget;
    m_libraryStack->addWidget(m_libraryList);
    m_libraryStack->addWidget(m_emptyHint);

    m_view = new VideoView;
    m_view->setSink(m_player->videoSink());
    connect(m_player, &VideoPlayer::displayAspectChanged, m_view, &VideoView::setDisplayAspect);
    connect(m_view, &VideoView::togglePauseRequested, this, &PlayerWindow::playOrPause);
    connect(m_view, &VideoView::skipRequested, m_player, &VideoPlayer::skip);
    connect(m_view, &VideoView::volumeStepRequested, m_player,
        [this](int delta) { m_player->setVolume(m_player->volume() + delta); });

    m_playlist = new PlaylistWidget(m_library, 1);
    m_playlist->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *right = new QSplitter(Qt::Vertical);
    right->addWidget(m_view);
    right->addWidget(titled(tr("Playlist"), m_playlist));
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);

    auto *centre = new QSplitter(Qt::Horizontal);
    centre->setObjectName(QStringLiteral("CentreSplitter"));
    centre->addWidget(titled(tr("Media Library"), m_libraryStack));
    centre->addWidget(right);
    centre->setStretchFactor(0, 2);
    centre->setStretchFactor(1, 3);
    setCentralWidget(centre);

    connect(m_libraryList, &MediaListWidget::playRequested, m_nowPlaying, &NowPlaying::play);
    connect(m_playlist, &PlaylistWidget::playRequested, m_nowPlaying, &NowPlaying::play);
    connect(m_libraryList, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (m_libraryList->itemAt(pos))
            m_libraryContextMenu->popup(m_libraryList->viewport()->mapToGlobal(pos));
    });
    connect(m_playlist, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (m_playlist->itemAt(pos))
            m_playlistContextMenu->popup(m_playlist->viewport()->mapToGlobal(pos));
    });
}

void PlayerWindow::buildMenus()
{
    QAction *transferTo = m_actions->action(CommonMenuBar::TransferTo);
    QAction *burn = m_actions->action(CommonMenuBar::Burn);
    QAction *streamTo = m_actions->action(CommonMenuBar::StreamTo);
    QAction *showPane = m_actions->action(CommonMenuBar::ShowDevicePane);
    QAction *hidePane = m_actions->action(CommonMenuBar::HideDevicePane);
    QAction *serverSettings = m_actions->action(CommonMenuBar::MediaServerSettings);

    // These keys are handled by the window's shortcuts, which choose the
    // library as the source; inside an open menu they act for that menu.
    burn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    streamTo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    showPane->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    hidePane->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    for (QAction *action : { burn, streamTo, showPane, hidePane })
        action->setShortcutContext(Qt::WidgetShortcut);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *open = file->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
        tr("&Open Media Folder\u2026"), this, &PlayerWindow::chooseMediaFolder);
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    auto *play = new QAction(glyph(Glyph::Play), tr("&Play"), this);
    play->setObjectName(QStringLiteral("PlayAction"));
    play->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(play, &QAction::triggered, this, &PlayerWindow::playOrPause);
    m_playAction = play;
    auto *stop = new QAction(glyph(Glyph::Stop), tr("&Stop"), this);
    stop->setObjectName(QStringLiteral("StopAction"));
    stop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    connect(stop, &QAction::triggered, m_nowPlaying, &NowPlaying::stop);
    auto *enqueue = new QAction(tr("Add to Play&list"), this);
    enqueue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(enqueue, &QAction::triggered, this, &PlayerWindow::addSelectionToPlaylist);
    auto *previous = new QAction(glyph(Glyph::Previous), tr("P&revious"), this);
    previous->setObjectName(QStringLiteral("PreviousAction"));
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
    connect(previous, &QAction::triggered, m_nowPlaying, &NowPlaying::previous);
    auto *next = new QAction(glyph(Glyph::Next), tr("&Next"), this);
    next->setObjectName(QStringLiteral("NextAction"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    connect(next, &QAction::triggered, m_nowPlaying, &NowPlaying::next);
    // The picture's own keys (Space, arrows, F, Esc) act where it has the
    // focus, so the lists keep their arrow keys; the menu names them.
    auto *fullScreen = new QAction(tr("&Full Screen") + QStringLiteral("\tF"), this);
    connect(fullScreen, &QAction::triggered, this, [this] { m_view->setFullScreenView(true); });
    auto *mute = new QAction(tr("&Mute"), this);
    mute->setCheckable(true);
    mute->setChecked(m_player->isMuted());
    connect(mute, &QAction::toggled, m_player, &VideoPlayer::setMuted);
    connect(m_player, &VideoPlayer::mutedChanged, mute, &QAction::setChecked);
    // The light glyphs are for the dark control bar, not for menus.
    for (QAction *action : { play, stop, previous, next })
        action->setIconVisibleInMenu(false);
    addActions({ play, stop, previous, next, enqueue });

    m_libraryMenu = menuBar()->addMenu(tr("&Library"));
    m_libraryMenu->setObjectName(QStringLiteral("LibraryMenu"));
    m_libraryMenu->addActions({ play, enqueue });
    m_libraryMenu->addSeparator();
    m_libraryMenu->addActions({ transferTo, burn, streamTo });
    m_actions->useInMenu(m_libraryMenu, PlayerActions::LibraryContext);

    m_playbackMenu = menuBar()->addMenu(tr("&Playback"));
    m_playbackMenu->setObjectName(QStringLiteral("PlaybackMenu"));
    m_playbackMenu->addActions({ play, stop, previous, next });
    m_playbackMenu->addSeparator();
    m_playbackMenu->addActions({ fullScreen, mute });
    m_audioTrackMenu = m_playbackMenu->addMenu(tr("&Audio Track"));
    m_audioTrackMenu->setObjectName(QStringLiteral("AudioTrackMenu"));
    connect(m_player, &VideoPlayer::audioTracksChanged, this, &PlayerWindow::showAudioTracks);
    connect(m_player, &VideoPlayer::audioTrackChanged, this, [this](int track) {
        const QList<QAction *> tracks = m_audioTrackMenu->actions();
        for (int i = 0; i < tracks.size(); ++i)
            tracks.at(i)->setChecked(i == track);
    });
    showAudioTracks();
    m_playbackMenu->addSeparator();
    m_playbackMenu->addActions({ transferTo, burn, streamTo });
    m_actions->useInMenu(m_playbackMenu, PlayerActions::PlaybackContext);

    QMenu *tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions({ showPane, hidePane });
    tools->addSeparator();
    tools->addAction(serverSettings);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Kavo Player"), this, [this] {
        QMessageBox::about(this, tr("About Kavo Player"),
            tr("<b>Kavo Player</b><p>Plays your videos and sends them to your devices "
               "with Kavo To Go.</p>"));
    });

    m_libraryContextMenu = new QMenu(this);
    m_libraryContextMenu->setObjectName(QStringLiteral("LibraryContextMenu"));
    m_libraryContextMenu->addActions({ play, enqueue });
    m_libraryContextMenu->addSeparator();
    m_libraryContextMenu->addActions({ transferTo, burn, streamTo });
    m_actions->useInMenu(m_libraryContextMenu, PlayerActions::LibraryContext);

    m_playlistContextMenu = new QMenu(this);
    m_playlistContextMenu->addAction(tr("&Play"), this, [this] {
        if (QListWidgetItem *item = m_playlist->currentItem())
            m_nowPlaying->play(item->data(Qt::UserRole).toLongLong());
    });
    m_playlistContextMenu->addAction(
        tr("&Remove from Playlist"), m_playlist, &PlaylistWidget::removeSelected);
}

void PlayerWindow::buildControlBar()
{
    m_controlBar = new QToolBar(tr("Controls"), this);
    m_controlBar->setObjectName(QStringLiteral("ControlBar"));
    m_controlBar->setMovable(false);
    m_controlBar->setFloatable(false);
    m_controlBar->setIconSize(QSize(24, 24));
    // Flat buttons: a plug-in's sheet only gives its images, and those are
    // drawn only on a button whose border the sheet owns.
    m_controlBar->setStyleSheet(
        QStringLiteral("QToolBar#ControlBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                       "#2c2f34, stop:1 #1b1d21);"
                       " border-top: 1px solid #3a3d42; spacing: 6px; padding: 4px; }"
                       "QToolBar#ControlBar QToolButton { border: 1px solid transparent; border-radius: 4px; "
                       "background: transparent;"
                       " padding: 2px; }"
                       "QToolBar#ControlBar QToolButton:hover { border-color: #4a4e55; }"
                       "QToolBar#ControlBar QToolButton:checked { background: rgba(255, 255, 255, 36); "
                       "border-color: #5a5f66; }"
                       "QToolBar#ControlBar QToolButton:disabled { background: transparent; }"
                       "QLabel#NowPlayingLabel { color: #e0e0e0; padding-left: %1px; }")
            .arg(NowPlayingPadding));
    addToolBar(Qt::BottomToolBarArea, m_controlBar);

    for (const char *name : { "PreviousAction", "PlayAction", "StopAction", "NextAction" }) {
        if (QAction *action = findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            m_controlBar->addAction(action);
    }
    m_nowPlayingLabel = new QLabel(m_controlBar);
    m_nowPlayingLabel->setObjectName(QStringLiteral("NowPlayingLabel"));
    // A title is a file name, never markup.
    m_nowPlayingLabel->setTextFormat(Qt::PlainText);
    m_nowPlayingLabel->setMaximumWidth(260);
    m_controlBar->addWidget(m_nowPlayingLabel);
    m_controls = new PlaybackControls(m_player, m_controlBar);
    m_controls->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_controlBar->addWidget(m_controls);
}

void PlayerWindow::buildShortcuts()
{
    // Keys pressed outside a menu act on the library's selection.
    auto *burn = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(burn, &QShortcut::activated, this, [this] { triggerFromLibrary(CommonMenuBar::Burn); });
    auto *stream = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
    connect(stream, &QShortcut::activated, this, [this] { triggerFromLibrary(CommonMenuBar::StreamTo); });
    auto *pane = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(pane, &QShortcut::activated, this, &PlayerWindow::togglePane);
}

void PlayerWindow::triggerFromLibrary(unsigned actionId)
{
    QAction *action = m_actions->action(actionId);
    if (!action->isEnabled())
        return;
    m_actions->setContext(PlayerActions::LibraryContext);
    action->trigger();
}

void PlayerWindow::togglePane()
{
    // The pane keeps exactly one of the two visible.
    QAction *show = m_actions->action(CommonMenuBar::ShowDevicePane);
    QAction *hide = m_actions->action(CommonMenuBar::HideDevicePane);
    QAction *action = show->isVisible() ? show : hide;
    if (action->isEnabled())
        action->trigger();
}

QToolButton *PlayerWindow::makePluginButton(const QString &item)
{
    auto *button = new PlayerToolBarButton(m_controlBar);
    button->setObjectName(item);
    if (item == QLatin1String("ShowDeviceMenu"))
        button->setToolTip(tr("Kavo To Go: your devices (Ctrl+D)"));
    else if (item == QLatin1String("Streaming"))
        button->setToolTip(tr("Stream to the Kavo Media Server"));
    else
        button->setToolTip(item);
    button->setMinimumSize(44, 32);
    m_controlBar->addWidget(button);
    return button;
}

QToolButton *PlayerWindow::pluginButton(const QString &item) const
{
    for (QToolButton *button : m_session.buttons()) {
        if (button->objectName() == item)
            return button;
    }
    return nullptr;
}

bool PlayerWindow::loadPlugin(const QString &libraryPath)
{
    unloadPlugin();
    if (!m_paneRecord) {
        m_paneRecord = m_context.addKnownPlugin(QStringLiteral("devicepane"), libraryPath,
            { idText(Orbe::menuInterfaceId()), idText(Orbe::toolBarInterfaceId()) });
    } else {
        m_paneRecord->libraryPath = Orbe::String(libraryPath.toUtf8().constData());
    }
    // The plug-in fetches the commands while it sets up, so they must work
    // by then.
    m_actions->setPluginAvailable(true);
    QList<PluginSession::Binding> bindings;
    for (const PlayerActions::PaneSlot &entry : PlayerActions::paneSlots())
        bindings << PluginSession::Binding { m_actions->action(entry.actionId), entry.slot };
    const bool opened = m_session.open(
        m_context, m_paneRecord, [this](const QString &item) { return makePluginButton(item); }, bindings);
    if (!opened) {
        m_actions->setPluginAvailable(false);
        m_pluginError = m_session.errorString();
        statusBar()->showMessage(tr("Kavo To Go is not available: %1").arg(m_pluginError));
        return false;
    }
    m_pluginError.clear();
    if (qEnvironmentVariableIsSet("KAVO_DEBUG")) {
        qInfo("kavo-player: %s: tool-bar items %s", qPrintable(libraryPath),
            qPrintable(m_session.toolBarItems().join(QStringLiteral(", "))));
        for (const QString &slot : m_session.unboundSlots())
            qInfo("kavo-player: the plug-in has no slot %s", qPrintable(slot));
    }
    return true;
}

void PlayerWindow::unloadPlugin()
{
    if (!m_session.isOpen())
        return;
    const QList<QToolButton *> buttons = m_session.buttons();
    m_session.close();
    m_actions->setPluginAvailable(false);
    // The buttons stay until the window goes; their pop-ups may be gone.
    for (QToolButton *button : buttons)
        button->setEnabled(false);
}

void PlayerWindow::showAudioTracks()
{
    qDeleteAll(m_audioTrackMenu->findChildren<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly));
    m_audioTrackMenu->clear();
    const QStringList tracks = m_player->audioTracks();
    auto *group = new QActionGroup(m_audioTrackMenu);
    for (int i = 0; i < tracks.size(); ++i) {
        QAction *action
            = m_audioTrackMenu->addAction(tracks.at(i), this, [this, i] { m_player->setAudioTrack(i); });
        action->setCheckable(true);
        action->setChecked(i == m_player->audioTrack());
        group->addAction(action);
    }
    m_audioTrackMenu->setEnabled(!tracks.isEmpty());
}

bool PlayerWindow::openMediaFolder(const QString &folder)
{
    const bool ok = m_library->loadFolder(folder);
    PlayerOptions::publishMediaFolder(m_library->folder());
    const QList<MediaLibrary::Item> &items = m_library->items();
    m_playlist->clear();
    for (int i = 0; i < items.size() && i < StartingPlaylistLength; ++i)
        m_playlist->append(items.at(i).id);
    if (!items.isEmpty())
        m_libraryList->setCurrentRow(0);
    statusBar()->showMessage(
        tr("%n video(s) in %1", nullptr, int(items.size())).arg(m_library->folder()), StatusMessageMs);
    return ok;
}

void PlayerWindow::chooseMediaFolder()
{
    const QString folder
        = QFileDialog::getExistingDirectory(this, tr("Open Media Folder"), m_library->folder());
    if (!folder.isEmpty())
        openMediaFolder(folder);
}

void PlayerWindow::playSelection()
{
    const QList<qint64> ids = m_libraryList->selectedIds();
    if (!ids.isEmpty())
        m_nowPlaying->play(ids.first());
}

void PlayerWindow::addSelectionToPlaylist()
{
    for (qint64 id : m_libraryList->selectedIds())
        m_playlist->append(id);
}

void PlayerWindow::showNowPlaying()
{
    const QString title = m_nowPlaying->title();
    if (title.isEmpty()) {
        m_nowPlayingLabel->setText(tr("Nothing playing"));
        m_nowPlayingLabel->setToolTip(QString());
        m_view->showMessage(tr("Double-click a video, or select it and press Enter, to play it."));
        return;
    }
    // The bar gives the label a fixed width: a long title ends in an
    // ellipsis there, and is told whole on hover.
    const int room = m_nowPlayingLabel->maximumWidth() - 2 * NowPlayingPadding;
    m_nowPlayingLabel->setText(
        m_nowPlayingLabel->fontMetrics().elidedText(tr("Now playing: %1").arg(title), Qt::ElideRight, room));
    m_nowPlayingLabel->setToolTip(title);
    // The title stands until the first frame replaces it.
    m_view->showMessage(QStringLiteral("\u25B6  ") + title);
    statusBar()->showMessage(tr("Playing %1").arg(title), StatusMessageMs);
    if (isActiveWindow())
        m_view->setFocus();
}

void PlayerWindow::showFailure(qint64 id, const QString &reason)
{
    const MediaLibrary::Item *entry = m_library->item(id);
    const QString title = entry ? entry->title : QString();
    m_view->showMessage(tr("\"%1\" cannot be played.\n%2").arg(title, reason));
    statusBar()->showMessage(tr("\"%1\" cannot be played: %2").arg(title, reason), StatusMessageMs);
}

void PlayerWindow::playOrPause()
{
    if (m_player->isPlaying())
        m_player->pause();
    else if (m_nowPlaying->isPlaying() && m_player->isPaused())
        m_player->resume();
    else
        playSelection();
}

void PlayerWindow::showPlayingState()
{
    const bool playing = m_player->isPlaying();
    m_playAction->setIcon(glyph(playing ? Glyph::Pause : Glyph::Play));
    m_playAction->setText(playing ? tr("&Pause") : tr("&Play"));
}

QList<qint64> PlayerWindow::playOrder() const
{
    // The playlist when the item came from it, else the library.
    QList<qint64> playlist;
    for (int i = 0; i < m_playlist->count(); ++i)
        playlist << m_playlist->item(i)->data(Qt::UserRole).toLongLong();
    if (playlist.contains(m_nowPlaying->currentItemId()))
        return playlist;
    QList<qint64> library;
    for (const MediaLibrary::Item &item : m_library->items())
        library << item.id;
    return library;
}

void PlayerWindow::showLibraryState()
{
    if (!m_library->items().isEmpty()) {
        m_libraryStack->setCurrentWidget(m_libraryList);
        return;
    }
    const QString folder = m_library->folder().isEmpty() ? tr("your Videos folder") : m_library->folder();
    m_emptyHint->setText(
        tr("<p><b>No videos yet</b></p><p>There are no video files in %1.</p>"
           "<p>Choose a folder with <i>File \u25B8 Open Media Folder\u2026</i> (Ctrl+O).</p>")
            .arg(folder.toHtmlEscaped()));
    m_libraryStack->setCurrentWidget(m_emptyHint);
}
