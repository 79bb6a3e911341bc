#include "host/medialibrary.h"

#include "host/mediafile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {
// A folder of a whole disc's worth of files is still listed; past this the
// rest is left out rather than freezing the window.
constexpr int MaxItems = 5000;

// "clip9" before "clip10", case aside; QCollator's numeric mode needs ICU,
// which a plain C locale does not give.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            QStringView digitsA = QStringView(a).mid(i, endA - i);
            QStringView digitsB = QStringView(b).mid(j, endB - j);
            while (digitsA.size() > 1 && digitsA.front() == QLatin1Char('0'))
                digitsA = digitsA.mid(1);
            while (digitsB.size() > 1 && digitsB.front() == QLatin1Char('0'))
                digitsB = digitsB.mid(1);
            if (digitsA.size() != digitsB.size())
                return digitsA.size() < digitsB.size();
            if (const int order = digitsA.compare(digitsB); order != 0)
                return order < 0;
            i = endA;
            j = endB;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded();
        const QChar cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}
} // namespace

MediaLibrary::MediaLibrary(QObject *parent)
    : QObject(parent)
{
}

const QStringList &MediaLibrary::videoSuffixes()
{
    static const QStringList suffixes { QStringLiteral("3gp"), QStringLiteral("avi"), QStringLiteral("divx"),
        QStringLiteral("flv"), QStringLiteral("m2ts"), QStringLiteral("m4v"), QStringLiteral("mkv"),
        QStringLiteral("mov"), QStringLiteral("mp4"), QStringLiteral("mpeg"), QStringLiteral("mpg"),
        QStringLiteral("mts"), QStringLiteral("ogv"), QStringLiteral("ts"), QStringLiteral("vob"),
        QStringLiteral("webm"), QStringLiteral("wmv") };
    return suffixes;
}

bool MediaLibrary::loadFolder(const QString &folder)
{
    const QFileInfo info(folder);
    m_folder = info.absoluteFilePath();
    m_items.clear();
    if (!info.isDir() || !info.isReadable()) {
        emit changed();
        return false;
    }
    QStringList paths;
    QDirIterator it(m_folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext() && paths.size() < MaxItems) {
        const QString path = it.next();
        if (videoSuffixes().contains(QFileInfo(path).suffix().toLower()))
            paths << path;
    }
    std::sort(paths.begin(), paths.end(), naturalLess);
    for (const QString &path : paths)
        m_items.append(Item { m_nextId++, path, QFileInfo(path).completeBaseName() });
    emit changed();
    return true;
}

const MediaLibrary::Item *MediaLibrary::item(qint64 id) const
{
    for (const Item &entry : m_items) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

bool MediaLibrary::findMediaFile(qint64 id, kvtl::RefCountedPtr<MediaFileInterface> &out)
{
    const Item *entry = item(id);
    if (!entry)
        return false;
    out = new MediaFile(QUrl::fromLocalFile(entry->path));
    return true;
}
