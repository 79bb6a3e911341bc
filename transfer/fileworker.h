#pragma once

#include "transfer/partfile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace Zarnet {

// The blocking file work of a transfer, on a thread of its own so the
// caller's never waits: a sendfile copy (which, unlike copy_file_range, works
// across file systems), and the fsync and rename that end every output. One
// job per worker; done() comes on the worker's own thread of affinity.
class FileWorker : public QObject
{
    Q_OBJECT
public:
    explicit FileWorker(QObject *parent = nullptr);
    ~FileWorker() override; // cancels and waits for the thread

    void copy(const QString &source, int partDescriptor);
    // Keeps writing out what a child writes into the part while it runs, so
    // the final fsync finds little left; ends at cancel().
    void writeBehind(int partDescriptor);
    void commit(const std::vector<PartFile::Move> &moves, bool replace);
    // Any other blocking work: done() is ok when job returns no error.
    void run(std::function<QString()> job);
    void cancel();
    // For a job of run() that can stop early.
    bool isCancelled() const { return m_cancelled; }
    qint64 bytesDone() const { return m_bytes; }
    qint64 bytesTotal() const { return m_total; }
    // A copy that failed because of its source, not of where it went.
    bool sourceFailed() const { return m_sourceFailed; }

signals:
    void done(bool ok, const QString &error);

private:
    void report(bool ok, const QString &error);

    std::thread m_thread;
    std::atomic<bool> m_cancelled { false };
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic<qint64> m_bytes { 0 };
    std::atomic<qint64> m_total { 0 };
    std::atomic<bool> m_sourceFailed { false };
};

} // namespace Zarnet
