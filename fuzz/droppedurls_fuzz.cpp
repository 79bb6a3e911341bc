// The URI list of a drop, which the program it comes from controls, as the
// device buttons read it: the raw text/uri-list bytes, then every entry
// through the playlist-item parser and the acceptance test.
#include "widgets/droppedurls.h"

#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    QMimeData mime;
    mime.setData(
        QStringLiteral("text/uri-list"), QByteArray(reinterpret_cast<const char *>(data), int(size)));
    for (const Zarnet::DroppedUrls::Entry &entry : Zarnet::DroppedUrls::read(&mime)) {
        quint64 id = 0;
        const bool item = Zarnet::DroppedUrls::parsePlaylistItem(entry.text, &id);
        // Only a text of the playlist scheme is a playlist item, and every one is accepted.
        if (item && !entry.playlistItem)
            __builtin_trap();
        if (entry.playlistItem && !Zarnet::DroppedUrls::acceptable(entry))
            __builtin_trap();
        if (entry.text.isEmpty() || entry.text.startsWith(QLatin1Char('#')))
            __builtin_trap();
    }
    return 0;
}
