#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Zarnet {

// What a run made in folders that are not its own (parts, staging folders),
// written down in the user's data folder as it is made. Nothing is ever
// removed by its name alone: a user's ".holiday.mp4.kavo-part" is not ours,
// and in a folder another user can write to, the object at a name may have
// been swapped. A sweep removes what runs that ended without cleaning up
// left (a crash), and only while the object at the path is still the one
// recorded. The journal stays locked while its run lives.
class RunJournal
{
public:
    struct Entry
    {
        QString folder; // absolute
        QString name;
        quint64 device = 0;
        quint64 inode = 0;
        bool tree = false; // a folder, removed with all it holds
    };

    RunJournal() = default;
    ~RunJournal(); // an empty journal's file goes with it
    RunJournal(const RunJournal &) = delete;
    RunJournal &operator=(const RunJournal &) = delete;

    // $XDG_DATA_HOME/Kavo/TransferWizard/Runs, ours alone (mode 0700).
    static QString folder();
    bool open(QString *error);
    bool isOpen() const { return m_fd >= 0; }
    void add(const Entry &entry);
    void forget(const QString &folder, const QString &name);

    // Removes what ended runs left behind; an entry whose folder cannot be
    // reached now (a stick unplugged) waits for a later sweep. Returns how
    // many objects went.
    static int sweep();
    // Removes name in the folder dirFd when it is still the object made
    // (same device and inode, a folder for a tree), never following a link
    // and never opening anything that could block.
    static bool removeIfSame(int dirFd, const QByteArray &name, quint64 device, quint64 inode, bool tree);

private:
    void write();

    QString m_path;
    int m_fd = -1;
    QVector<Entry> m_entries;
};

} // namespace Zarnet
