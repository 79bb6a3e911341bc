#pragma once

#include <QListWidget>

class MediaLibrary;

// A playlist of library items. Dragged out, its entries are playlist-item
// URLs ("kavo_playlist_item:/<playlist>/<item id>/<position>") that a drop
// target resolves through the player's media manager.
class PlaylistWidget : public QListWidget
{
    Q_OBJECT

public:
    PlaylistWidget(MediaLibrary *library, int playlistId, QWidget *parent = nullptr);

    // Kept as text: the scheme's '_' makes it an invalid QUrl.
    static QString itemUri(int playlistId, qint64 itemId, int position);

    void append(qint64 itemId);
    void removeSelected();
    int playlistId() const { return m_playlistId; }

signals:
    void playRequested(qint64 id);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pruneMissing();

    MediaLibrary *m_library;
    int m_playlistId;
};
