#include "mediaserver/tvcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace {

qint64 folderBytes(const QString &folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

} // namespace

TvCache::TvCache(qint64 limitBytes, const QString &folder)
    : m_limit(limitBytes)
    , m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                  + QStringLiteral("/Kavo/MediaServer")
                                : folder)
{
}

QString TvCache::entryFor(const QString &source) const
{
    const QFileInfo info(source);
    const QString key = info.canonicalFilePath() + QLatin1Char('\n') + QString::number(info.size())
        + QLatin1Char('\n') + QString::number(info.lastModified().toMSecsSinceEpoch());
    return QDir(m_folder).filePath(QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(24)));
}

QString TvCache::copyOf(const QString &source) const
{
    const QString entry = entryFor(source);
    // Only a finished conversion is there: the engine renames its part last.
    const QFileInfoList files = QDir(entry).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        if (file.suffix() != QLatin1String("part") && !file.fileName().startsWith(QLatin1Char('.'))) {
            touch(entry);
            return file.absoluteFilePath();
        }
    }
    return QString();
}

void TvCache::touch(const QString &entry)
{
    QFile stamp(QDir(entry).filePath(QStringLiteral(".used")));
    if (stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        stamp.close();
    stamp.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}

void TvCache::trim(const QString &keep) const
{
    struct Entry
    {
        QString path;
        QDateTime used;
        qint64 bytes;
    };
    std::vector<Entry> entries;
    qint64 total = 0;
    for (const QFileInfo &info : QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QFileInfo stamp(QDir(info.absoluteFilePath()).filePath(QStringLiteral(".used")));
        const Entry entry { info.absoluteFilePath(),
            stamp.exists() ? stamp.lastModified() : info.lastModified(),
            folderBytes(info.absoluteFilePath()) };
        total += entry.bytes;
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.used < b.used; });
    for (const Entry &entry : entries) {
        if (total <= m_limit)
            break;
        if (QDir(entry.path) == QDir(keep))
            continue;
        if (QDir(entry.path).removeRecursively())
            total -= entry.bytes;
    }
}
