#include "widgets/droppedurls.h"

#include <QMimeData>
#include <QStringList>

namespace Zarnet::DroppedUrls {

namespace {
constexpr QLatin1String playlistScheme("kavo_playlist_item:");
constexpr QLatin1String uriList("text/uri-list");

bool hasPlaylistScheme(const QString &text)
{
    return text.startsWith(playlistScheme, Qt::CaseInsensitive);
}
} // namespace

QList<Entry> read(const QMimeData *data)
{
    QList<Entry> entries;
    if (!data)
        return entries;
    if (data->hasFormat(uriList)) {
        const QList<QByteArray> lines = data->data(uriList).split('\n');
        for (QByteArray line : lines) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QString text = QString::fromUtf8(line);
            Entry entry;
            entry.text = text;
            entry.playlistItem = hasPlaylistScheme(text);
            entry.url = QUrl::fromEncoded(line);
            entries.append(entry);
        }
        return entries;
    }
    for (const QUrl &url : data->urls())
        entries.append({ url.toString(), url, false });
    return entries;
}

bool parsePlaylistItem(const QString &text, quint64 *id)
{
    if (!hasPlaylistScheme(text))
        return false;
    QString path = text.mid(playlistScheme.size());
    // An authority, if any, is not part of the path.
    if (path.startsWith(QLatin1String("//"))) {
        const qsizetype slash = path.indexOf(QLatin1Char('/'), 2);
        path = slash < 0 ? QString() : path.mid(slash);
    }
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return false;
    quint64 numbers[3];
    for (int i = 0; i < 3; ++i) {
        const QString &part = parts.at(i);
        // Decimal digits only: no sign, no blanks, no hex.
        for (QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        bool ok = false;
        numbers[i] = part.toULongLong(&ok, 10);
        if (!ok)
            return false;
    }
    if (id)
        *id = numbers[1];
    return true;
}

bool acceptable(const Entry &entry)
{
    if (entry.playlistItem)
        return true;
    return !entry.url.toLocalFile().isEmpty() || entry.url.scheme() == QLatin1String("file");
}

} // namespace Zarnet::DroppedUrls
