#pragma once

#include <QWidget>

class MediaServer;
class SharingService;
class TvStreamer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The media server's small window: the sharing switch, the name on the
// network, whether a player is connected, and the files players asked to
// stream. With a streamer it also plays the file handed over last on a TV,
// and comes forward when a file arrives. It keeps itself on the screen it
// opens on.
class MediaServerWindow : public QWidget
{
    Q_OBJECT

public:
    // Without a sharing service the name cannot be changed.
    explicit MediaServerWindow(MediaServer *server, SharingService *sharing = nullptr,
        TvStreamer *streamer = nullptr, QWidget *parent = nullptr);

public slots:
    void bringForward();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showConnected(bool connected);
    void fitToScreen();

    QCheckBox *m_sharing;
    QLineEdit *m_name;
    QLabel *m_status;
    QListWidget *m_files;
};
