#pragma once

#include <QString>
#include <QStringList>

// Makes a file readable but not writable for everybody, and the folders from
// it up to root enterable but not writable, so that another account may read
// the file and change nothing. The owner gets write access back when this is
// destroyed, so the temporary folder can be removed.
class ReadOnlyTree
{
public:
    ReadOnlyTree(const QString &file, const QString &root);
    ~ReadOnlyTree();
    ReadOnlyTree(const ReadOnlyTree &) = delete;
    ReadOnlyTree &operator=(const ReadOnlyTree &) = delete;

    bool isReady() const { return m_ready; }

private:
    QString m_file;
    QStringList m_folders;
    bool m_ready = true;
};
