#include "tests/devices/readonlytree.h"

#include <QFile>
#include <QFileInfo>

ReadOnlyTree::ReadOnlyTree(const QString &file, const QString &root)
    : m_file(file)
{
    const QFileDevice::Permissions readOnly
        = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const QFileDevice::Permissions enterable
        = readOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QString folder = file;
    while (folder.size() > root.size()) {
        folder = QFileInfo(folder).path();
        m_folders << folder;
        m_ready = QFile::setPermissions(folder, enterable) && m_ready;
    }
    m_ready = QFile::setPermissions(file, readOnly) && m_ready;
}

ReadOnlyTree::~ReadOnlyTree()
{
    QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const QString &folder : m_folders)
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
