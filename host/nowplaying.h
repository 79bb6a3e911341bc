#pragma once

#include "plugin/playbackservicesinterface.h"

#include <QList>
#include <QObject>

#include <functional>

class MediaLibrary;
class QTimer;
class VideoPlayer;

// The item being played, as plug-ins see it, and the order items play in:
// at the end of one, or when one cannot be played, the next one starts.
// Without a video player it only tracks which library item is current.
class NowPlaying : public QObject, public PlaybackServicesInterface
{
    Q_OBJECT

public:
    explicit NowPlaying(MediaLibrary *library, VideoPlayer *player = nullptr, QObject *parent = nullptr);

    // The ids that play one after another, asked for when one ends.
    void setQueue(std::function<QList<qint64>()> queue) { m_queue = std::move(queue); }
    // How long the reason a file does not play stays before the next starts.
    void setFailurePauseMs(int ms) { m_failurePauseMs = ms; }

    void play(qint64 id);
    void stop();
    void next();
    void previous();
    bool isPlaying() const { return m_current != 0; }
    // The title of the current item; empty when nothing plays.
    QString title() const;
    QString failure() const { return m_failure; }

    qint64 currentItemId() override { return m_current; }
    QUrl itemUrl(qint64 id) override;
    void afterFilesTransferred() override;

signals:
    void currentChanged(qint64 id);
    void filesTransferred();
    // The current item cannot be played, and why.
    void failed(qint64 id, const QString &reason);

private:
    void playAfter(int step);
    void fail(const QString &reason);

    MediaLibrary *m_library;
    VideoPlayer *m_player;
    QTimer *m_failureTimer;
    std::function<QList<qint64>()> m_queue;
    qint64 m_current = 0;
    QString m_failure;
    int m_failurePauseMs = 2500;
};
