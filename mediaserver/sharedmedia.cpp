#include "mediaserver/sharedmedia.h"

#include "mediaserver/dlnaprofile.h"
#include "transfer/mediaprobe.h"
#include "transfer/toolrun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

// Deeper folders than this are not shared (and a loop of bind mounts ends).
constexpr int MaxDepth = 16;

bool isInside(const QString &path, const QString &root)
{
    return path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

void scanFolder(const QString &folder, const QString &root, int depth, QStringList &files)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (entry.isSymLink()) {
            // Followed only to a file that stays inside the folder; linked
            // folders are not walked (no loops, no second copies).
            const QString target = entry.canonicalFilePath();
            const QFileInfo resolved(target);
            if (!target.isEmpty() && isInside(target, root) && resolved.isFile()
                && DlnaProfile::isVideoName(entry.fileName()))
                files.append(target);
            continue;
        }
        if (entry.isDir()) {
            if (depth < MaxDepth)
                scanFolder(entry.filePath(), root, depth + 1, files);
        } else if (entry.isFile() && DlnaProfile::isVideoName(entry.fileName())) {
            files.append(entry.absoluteFilePath());
        }
    }
}

} // namespace

SharedMedia::SharedMedia(QObject *parent)
    : QObject(parent)
{
    m_rescan.setSingleShot(true);
    m_rescan.setInterval(RescanDelayMs);
    connect(&m_rescan, &QTimer::timeout, this, &SharedMedia::rescan);
    m_publish.setSingleShot(true);
    connect(&m_publish, &QTimer::timeout, this, &SharedMedia::publish);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_rescan.start(); });
    m_probeLimit.setSingleShot(true);
    m_probeLimit.setInterval(ProbeLimitMs);
    connect(&m_probeLimit, &QTimer::timeout, this, [this] {
        if (m_probe)
            m_probe->cancel();
    });
}

SharedMedia::~SharedMedia()
{
    // A probe still running ends as it goes, and must not report to us.
    if (m_probe)
        m_probe->disconnect(this);
}

QStringList SharedMedia::scan(const QString &root)
{
    QStringList files;
    const QString canonical = QFileInfo(root).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isDir())
        return files;
    scanFolder(canonical, canonical, 0, files);
    files.removeDuplicates();
    return files;
}

QString SharedMedia::videoId(QChar kind, const QString &path)
{
    const QByteArray hash
        = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(24);
    return QString(kind) + QString::fromLatin1(hash);
}

void SharedMedia::setFolder(const QString &folder)
{
    const QString canonical = folder.isEmpty() ? QString() : QFileInfo(folder).canonicalFilePath();
    if (canonical == m_folder && !canonical.isEmpty())
        return;
    m_folder = canonical;
    rescan();
}

bool SharedMedia::addStreamed(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isFile() || !QFileInfo(canonical).isReadable())
        return false;
    m_streamedFiles.removeAll(canonical);
    m_streamedFiles.prepend(canonical);
    while (m_streamedFiles.size() > MaxStreamed)
        m_streamedFiles.removeLast();
    schedulePublish();
    return true;
}

void SharedMedia::rescan()
{
    m_folderFiles = m_folder.isEmpty() ? QStringList() : scan(m_folder);
    watch();
    schedulePublish();
}

void SharedMedia::watch()
{
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (m_folder.isEmpty())
        return;
    QStringList folders { m_folder };
    for (int i = 0; i < folders.size(); ++i) {
        const QFileInfoList children
            = QDir(folders.at(i)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
        for (const QFileInfo &child : children) {
            if (!child.fileName().startsWith(QLatin1Char('.')))
                folders.append(child.absoluteFilePath());
        }
        if (folders.size() > 4096)
            break;
    }
    m_watcher.addPaths(folders);
}

void SharedMedia::schedulePublish(int delayMs)
{
    if (!m_publish.isActive() || m_publish.remainingTime() > delayMs)
        m_publish.start(delayMs);
}

void SharedMedia::publish()
{
    // The files handed over are probed first.
    QList<SharedVideo> streamed;
    for (const QString &path : std::as_const(m_streamedFiles)) {
        if (QFileInfo(path).isFile())
            streamed.append(describe(QLatin1Char('s'), path));
    }
    QList<SharedVideo> videos;
    for (const QString &path : std::as_const(m_folderFiles))
        videos.append(describe(QLatin1Char('v'), path));
    if (videos != m_videos) {
        m_videos = videos;
        emit videosChanged(m_videos);
    }
    if (streamed != m_streamed) {
        m_streamed = streamed;
        emit streamedChanged(m_streamed);
    }
    probeNext();
}

SharedVideo SharedMedia::describe(QChar kind, const QString &path)
{
    const QFileInfo info(path);
    SharedVideo video;
    const auto known = m_probes.constFind(path);
    if (known != m_probes.constEnd() && known->size == info.size()
        && known->modified == info.lastModified()) {
        video = known->video;
    } else {
        video.path = path;
        video.mimeType = DlnaProfile::mimeTypeForName(path);
        video.size = info.size();
        if (!m_probeQueue.contains(path) && m_probing != path)
            m_probeQueue.append(path);
    }
    video.id = videoId(kind, path);
    video.title = info.completeBaseName();
    return video;
}

void SharedMedia::probeNext()
{
    // One probe at a time: the machine has other work.
    if (m_probe || m_probeQueue.isEmpty())
        return;
    m_probing = m_probeQueue.takeFirst();
    m_probe = std::make_unique<Zarnet::ToolRun>();
    m_probe->setKeepOutput(true);
    connect(m_probe.get(), &Zarnet::ToolRun::done, this, &SharedMedia::probed);
    m_probe->start(QStringLiteral("ffprobe"),
        { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
            QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams"),
            m_probing });
    m_probeLimit.start();
}

void SharedMedia::probed()
{
    m_probeLimit.stop();
    const QFileInfo info(m_probing);
    Probed entry;
    entry.size = info.size();
    entry.modified = info.lastModified();
    entry.video.path = m_probing;
    entry.video.size = info.size();
    entry.video.mimeType = DlnaProfile::mimeTypeForName(m_probing);
    Zarnet::MediaProbe probe;
    QString error;
    // A file ffprobe cannot read is still shared, by its name alone.
    if (Zarnet::MediaProbe::fromJson(m_probe->output(), &probe, &error)) {
        entry.video.mimeType = DlnaProfile::mimeType(probe, m_probing);
        entry.video.dlnaProfile = DlnaProfile::profileName(probe);
        entry.video.durationSeconds = static_cast<int>(std::lround(probe.duration));
        entry.video.width = probe.video.width;
        entry.video.height = probe.video.height;
    }
    m_probes.insert(m_probing, entry);
    m_probing.clear();
    // Destroyed from the event loop: this runs inside its signal.
    m_probe.release()->deleteLater();
    // While a folder is being read, its findings go out now and then, not
    // each time (every change rebuilds a container).
    schedulePublish(m_probeQueue.isEmpty() ? PublishDelayMs : ProbePublishDelayMs);
}
