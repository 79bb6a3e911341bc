#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QtGlobal>

class QMimeData;

namespace Zarnet {

// The URLs of a drag, as the device buttons read them. Qt 6 refuses the '_'
// of the player's "kavo_playlist_item:" scheme, so its URLs are read from the
// raw uri-list text rather than through QMimeData::urls().
namespace DroppedUrls {

struct Entry
{
    QString text; // as dropped
    QUrl url; // parsed; invalid for playlist items
    bool playlistItem = false;
};

QList<Entry> read(const QMimeData *data);

// True for "kavo_playlist_item:" with a path of exactly three non-empty
// unsigned 64-bit decimal numbers; id is the middle one.
bool parsePlaylistItem(const QString &text, quint64 *id);

// What a drag may be accepted for: a local file, a file URL, or a playlist item.
bool acceptable(const Entry &entry);

} // namespace DroppedUrls
} // namespace Zarnet
