#pragma once

#include <QWidget>

class MediaServer;
class QCheckBox;
class QLabel;
class QListWidget;

// The media server's small window: the sharing switch, whether a player is
// connected, and the files players asked to stream.
class MediaServerWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MediaServerWindow(MediaServer *server, QWidget *parent = nullptr);

public slots:
    void bringForward();

private:
    void showConnected(bool connected);

    QCheckBox *m_sharing;
    QLabel *m_status;
    QListWidget *m_files;
};
