#include "host/nowplaying.h"

#include "host/medialibrary.h"
#include "host/videoplayer.h"

#include <QTimer>

NowPlaying::NowPlaying(MediaLibrary *library, VideoPlayer *player, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_player(player)
    , m_failureTimer(new QTimer(this))
{
    m_failureTimer->setSingleShot(true);
    connect(m_failureTimer, &QTimer::timeout, this, [this] { playAfter(1); });
    // A new folder can drop the item being played.
    connect(library, &MediaLibrary::changed, this, [this] {
        if (m_current != 0 && !m_library->item(m_current))
            stop();
    });
    if (m_player) {
        connect(m_player, &VideoPlayer::ended, this, [this] { playAfter(1); });
        connect(m_player, &VideoPlayer::failed, this, &NowPlaying::fail);
    }
}

void NowPlaying::play(qint64 id)
{
    const MediaLibrary::Item *entry = m_library->item(id);
    if (!entry)
        return;
    if (id == m_current && m_failure.isEmpty()) {
        if (m_player)
            m_player->resume();
        return;
    }
    m_failureTimer->stop();
    m_failure.clear();
    m_current = id;
    // Plug-ins asked while the item starts already see the new one.
    emit currentChanged(id);
    if (m_player && m_current == id)
        m_player->play(QUrl::fromLocalFile(entry->path));
}

void NowPlaying::stop()
{
    m_failureTimer->stop();
    m_failure.clear();
    if (m_player)
        m_player->stop();
    if (m_current == 0)
        return;
    m_current = 0;
    emit currentChanged(0);
}

void NowPlaying::next()
{
    playAfter(1);
}

void NowPlaying::previous()
{
    playAfter(-1);
}

void NowPlaying::playAfter(int step)
{
    const QList<qint64> order = m_queue ? m_queue() : QList<qint64>();
    const int at = int(order.indexOf(m_current));
    const int wanted = at < 0 ? (step > 0 ? 0 : -1) : at + step;
    if (m_current == 0 || wanted < 0 || wanted >= order.size()) {
        // Past either end of the list: the player comes to rest.
        if (step > 0)
            stop();
        return;
    }
    play(order.at(wanted));
}

void NowPlaying::fail(const QString &reason)
{
    if (m_current == 0)
        return;
    m_failure = reason;
    emit failed(m_current, reason);
    m_failureTimer->start(m_failurePauseMs);
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
