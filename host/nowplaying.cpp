#include "host/nowplaying.h"

#include "host/medialibrary.h"

NowPlaying::NowPlaying(MediaLibrary *library, QObject *parent)
    : QObject(parent)
    , m_library(library)
{
    // A new folder can drop the item being played.
    connect(library, &MediaLibrary::changed, this, [this] {
        if (m_current != 0 && !m_library->item(m_current))
            stop();
    });
}

void NowPlaying::play(qint64 id)
{
    if (!m_library->item(id) || id == m_current)
        return;
    m_current = id;
    emit currentChanged(id);
}

void NowPlaying::stop()
{
    if (m_current == 0)
        return;
    m_current = 0;
    emit currentChanged(0);
}

QString NowPlaying::title() const
{
    const MediaLibrary::Item *entry = m_library->item(m_current);
    return entry ? entry->title : QString();
}

QUrl NowPlaying::itemUrl(qint64 id)
{
    const MediaLibrary::Item *entry = m_library->item(id);
    return entry ? QUrl::fromLocalFile(entry->path) : QUrl();
}

void NowPlaying::afterFilesTransferred()
{
    emit filesTransferred();
}
