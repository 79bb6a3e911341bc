#pragma once

#include <QCoreApplication>
#include <QString>

#include <sys/types.h>

namespace Zarnet {

class RunJournal;

// A folder held open for a run. Files are made, renamed and removed relative
// to the descriptor, never by a path that could be swapped meanwhile, and
// nothing goes into whatever now sits at the path when the folder's file
// system went away (a stick pulled leaves the bare mount point behind).
class PinnedFolder
{
    Q_DECLARE_TR_FUNCTIONS(Zarnet::PinnedFolder)

public:
    PinnedFolder() = default;
    ~PinnedFolder();
    PinnedFolder(const PinnedFolder &) = delete;
    PinnedFolder &operator=(const PinnedFolder &) = delete;

    bool open(const QString &path, QString *error);
    // A new folder of ours alone inside parent (".kavo-staging-XXXXXX"),
    // recorded in the journal; removed with all it holds by remove().
    bool makeStaging(const PinnedFolder &parent, RunJournal *journal, QString *error);
    void remove();

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const;
    // Whether the folder at the path is still the one held.
    bool stillThere() const;

private:
    void close();

    QString m_path;
    int m_fd = -1;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    // A staging folder: in parent, under name, in this journal.
    int m_parentFd = -1;
    QString m_name;
    RunJournal *m_journal = nullptr;
};

} // namespace Zarnet
