#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace Zarnet {

class PinnedFolder;
class RunJournal;

// ".<name>.kavo-part" beside the final name: what a tool writes before we
// fsync and rename it. It is always a new file of ours (never one found at
// the name, never through a link), recorded in the run's journal, and a
// child writes it through our descriptor, not its name.
class PartFile
{
    Q_DECLARE_TR_FUNCTIONS(Zarnet::PartFile)

public:
    // One rename of a commit, each side a folder held by descriptor.
    struct Move
    {
        int fromFolder = -1;
        QString fromName;
        int toFolder = -1;
        QString toName;
    };

    PartFile() = default;
    ~PartFile();
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;
    PartFile(PartFile &&other) noexcept;
    PartFile &operator=(PartFile &&other) noexcept; // removes a part of its own first

    static QString partName(const QString &finalName);
    // Creates the part in folder, ".<name>.2.kavo-part" and on when the name
    // is taken by anything at all; false with a message.
    bool create(const PinnedFolder &folder, const QString &finalName, RunJournal *journal, QString *error);
    QString path() const { return m_path; }
    QString name() const { return m_name; }
    int descriptor() const { return m_fd; }
    // The move of this part to its final name in the same folder.
    Move move(const QString &finalName) const { return { m_folderFd, m_name, m_folderFd, finalName }; }
    // Deletes the part, if what is at its name is still it.
    void remove();
    // Forgets the part, which is renamed by now.
    void release();

    // fsync each file, rename it to its final name, fsync the folders;
    // blocking, for a worker thread. Without replace an existing name is
    // never overwritten. A file swapped for another object on the way fails
    // the commit; nothing half is left.
    // Without durable nothing is synced: for what may be lost in a crash.
    static bool commit(const std::vector<Move> &moves, bool replace, QString *error, bool durable = true);
    // A clear text for an errno met while writing.
    static QString writeError(int error);

private:
    void close();

    QString m_path;
    QString m_name;
    int m_fd = -1;
    int m_folderFd = -1;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    QString m_folder;
    RunJournal *m_journal = nullptr;
};

} // namespace Zarnet
