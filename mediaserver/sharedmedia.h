#pragma once

#include "mediaserver/sharedvideo.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace Zarnet {
class ToolRun;
}

// What the server shares, kept current: the videos of the player's media
// folder (re-read when it changes) and the files players handed over to
// stream, most recent first. Each file is first listed with what its name
// and size tell, then again once ffprobe has read it; changes come out
// gathered, not one per file.
class SharedMedia : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxStreamed = 50;
    static constexpr int RescanDelayMs = 300;
    static constexpr int PublishDelayMs = 100;
    static constexpr int ProbePublishDelayMs = 2000;
    // A probe that takes longer is stopped; the file stays, named only.
    static constexpr int ProbeLimitMs = 30000;

    explicit SharedMedia(QObject *parent = nullptr);
    ~SharedMedia() override;

    // An empty or missing folder shares no videos.
    void setFolder(const QString &folder);
    QString folder() const { return m_folder; }
    // False for anything but a readable regular file.
    bool addStreamed(const QString &path);

    QList<SharedVideo> videos() const { return m_videos; }
    QList<SharedVideo> streamed() const { return m_streamed; }

    // The files under root that may be shared, as the paths to serve:
    // video names only, no hidden entries, and symbolic links only when
    // they resolve to a file inside root (served by that target).
    static QStringList scan(const QString &root);
    // Stable across runs, and telling nothing of the path.
    static QString videoId(QChar kind, const QString &path);

signals:
    void videosChanged(const QList<SharedVideo> &videos);
    void streamedChanged(const QList<SharedVideo> &videos);

private:
    struct Probed
    {
        qint64 size = -1;
        QDateTime modified;
        SharedVideo video;
    };

    void rescan();
    void watch();
    void schedulePublish(int delayMs = PublishDelayMs);
    void publish();
    SharedVideo describe(QChar kind, const QString &path);
    void probeNext();
    void probed();

    QString m_folder; // canonical
    QStringList m_folderFiles;
    QStringList m_streamedFiles;
    QList<SharedVideo> m_videos;
    QList<SharedVideo> m_streamed;
    QFileSystemWatcher m_watcher;
    QTimer m_rescan;
    QTimer m_publish;
    QTimer m_probeLimit;
    QHash<QString, Probed> m_probes;
    QStringList m_probeQueue;
    std::unique_ptr<Zarnet::ToolRun> m_probe;
    QString m_probing;
};
