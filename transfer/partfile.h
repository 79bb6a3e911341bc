#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace Zarnet {

// ".<name>.kavo-part" beside the final name: what a tool writes before we
// fsync and rename it. The part stays locked (flock) while we own it, so a
// later run sweeps only the parts nobody is writing.
class PartFile
{
    Q_DECLARE_TR_FUNCTIONS(Zarnet::PartFile)

public:
    PartFile() = default;
    ~PartFile();
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;
    PartFile(PartFile &&other) noexcept;
    PartFile &operator=(PartFile &&other) noexcept; // removes a part of its own first

    static QString partPath(const QString &finalPath);
    // Creates and locks the part, ".<name>.2.kavo-part" and on when another
    // run holds the name; false with a message.
    bool create(const QString &finalPath, QString *error);
    QString path() const { return m_path; }
    int descriptor() const { return m_fd; }
    // Deletes the part and drops the lock.
    void remove();
    // Drops the lock and forgets the part, which is renamed by now.
    void release();

    // fsync each part, rename it to its final name, fsync the folder; blocking,
    // for a worker thread. Without replace an existing file is never
    // overwritten. Parts not renamed are left for the caller to delete.
    static bool commit(const QStringList &parts, const QStringList &finals, bool replace, QString *error);
    // Deletes the stale parts in folder: ours by name, and locked by no one;
    // and the staging folders ("<folder>/.kavo-staging-*") whose part "held" is
    // held by no one.
    static int sweep(const QString &folder);
    // A clear text for an errno met while writing.
    static QString writeError(int error);

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace Zarnet
