#pragma once

#include "host/playerplugincontext.h"
#include "host/pluginsession.h"

#include <QMainWindow>

#include <memory>

class HostPlugin;
class MediaLibrary;
class MediaListWidget;
class NowPlaying;
class PlayerActions;
class PlaybackControls;
class PlaylistWidget;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;
class VideoPlayer;
class VideoView;

// The player's main window: the media library, a playlist, the item being
// played, the menus with the numbered commands, and the control bar that
// holds the plug-in's tool-bar buttons.
class PlayerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PlayerWindow(QWidget *parent = nullptr);
    ~PlayerWindow() override;

    // Loads the plug-in library and negotiates with it; false with a reason
    // in the status bar and in pluginError().
    bool loadPlugin(const QString &libraryPath);
    // Releases the plug-in; its buttons stay, without pop-ups.
    void unloadPlugin();
    QString pluginError() const { return m_pluginError; }

    bool openMediaFolder(const QString &folder);

    PlayerPluginContext &pluginContext() { return m_context; }
    PluginSession &pluginSession() { return m_session; }
    PlayerActions *playerActions() const { return m_actions; }
    MediaLibrary *library() const { return m_library; }
    NowPlaying *nowPlaying() const { return m_nowPlaying; }
    VideoPlayer *videoPlayer() const { return m_player; }
    VideoView *videoView() const { return m_view; }
    PlaybackControls *playbackControls() const { return m_controls; }
    MediaListWidget *libraryList() const { return m_libraryList; }
    PlaylistWidget *playlist() const { return m_playlist; }
    QToolBar *controlBar() const { return m_controlBar; }
    QMenu *libraryMenu() const { return m_libraryMenu; }
    QMenu *playbackMenu() const { return m_playbackMenu; }
    // Under Playback: the audio tracks of the file playing.
    QMenu *audioTrackMenu() const { return m_audioTrackMenu; }
    QMenu *libraryContextMenu() const { return m_libraryContextMenu; }
    // The control-bar button of a plug-in item ("ShowDeviceMenu", "Streaming").
    QToolButton *pluginButton(const QString &item) const;

private:
    void buildMenus();
    void buildCentre();
    void buildControlBar();
    void buildShortcuts();
    void chooseMediaFolder();
    void playSelection();
    void addSelectionToPlaylist();
    void showNowPlaying();
    void showFailure(qint64 id, const QString &reason);
    void playOrPause();
    void showPlayingState();
    QList<qint64> playOrder() const;
    void showLibraryState();
    void showAudioTracks();
    void triggerFromLibrary(unsigned actionId);
    void togglePane();
    QToolButton *makePluginButton(const QString &item);

    MediaLibrary *m_library;
    VideoPlayer *m_player;
    NowPlaying *m_nowPlaying;
    PlayerActions *m_actions;
    MediaListWidget *m_libraryList = nullptr;
    PlaylistWidget *m_playlist = nullptr;
    QStackedWidget *m_libraryStack = nullptr;
    QLabel *m_emptyHint = nullptr;
    VideoView *m_view = nullptr;
    PlaybackControls *m_controls = nullptr;
    QAction *m_playAction = nullptr;
    QLabel *m_nowPlayingLabel = nullptr;
    QToolBar *m_controlBar = nullptr;
    QMenu *m_libraryMenu = nullptr;
    QMenu *m_playbackMenu = nullptr;
    QMenu *m_audioTrackMenu = nullptr;
    QMenu *m_libraryContextMenu = nullptr;
    QMenu *m_playlistContextMenu = nullptr;

    // Declared in this order so the session is closed before the provider and
    // the context go.
    PlayerPluginContext m_context;
    std::unique_ptr<HostPlugin> m_hostPlugin;
    Orbe::PluginInfo *m_paneRecord = nullptr;
    PluginSession m_session;
    QString m_pluginError;
};
