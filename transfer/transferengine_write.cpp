// Writing: a copy or a conversion into a part, then the part synced and
// renamed to its final name.
#include "transfer/transferengine.h"

#include "transfer/fileworker.h"
#include "transfer/localname.h"
#include "transfer/toolrun.h"
#include "transfer/transferarguments.h"
#include "transfer/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

namespace {

// ffmpeg 5.1 ends with 0 when the trailer could not be written: the disk
// filled up at the very end.
bool finishedBadly(const ToolRun &tool)
{
    const QString errors = tool.errorText();
    return errors.contains(QLatin1String("Error writing trailer"))
        || errors.contains(QLatin1String("Error closing file"));
}

QString toolFailure(const ToolRun &tool, ToolResult result, TransferItem::Fault *fault)
{
    const QString line = tool.errorText();
    *fault = TransferItem::Fault::Destination;
    if (result == ToolResult::Failed && line.contains(QLatin1String("No space left on device")))
        return PartFile::writeError(ENOSPC);
    if (result == ToolResult::Failed
        && (line.contains(QLatin1String("No such file or directory"))
            || line.contains(QLatin1String("Input/output error"))))
        return PartFile::writeError(ENOENT);
    *fault = TransferItem::Fault::Tool;
    return tool.failureText(result);
}

} // namespace

void TransferEngine::copyFile(TransferItem &item, const QString &finalName)
{
    // A copy's size is known: a file that cannot fit is not begun.
    QString error;
    qint64 free = 0;
    struct stat source;
    const qint64 size = ::stat(LocalName::encode(item.source).constData(), &source) == 0 ? source.st_size : 0;
    if (!roomFor(workFolder().path(), size, &free))
        error = tr("The destination is full: %1 needed, %2 free.")
                    .arg(QLocale().formattedDataSize(size), QLocale().formattedDataSize(free));
    if (!error.isEmpty() || !m_part.create(workFolder(), finalName, journal(), &error)) {
        endItem(TransferItem::Failed, error, TransferItem::Fault::Destination);
        return;
    }
    m_moves = { m_part.move(finalName) };
    m_finals = QStringList { workFolder().filePath(finalName) };
    m_stage = TransferProgress::Copying;
    report(m_stage, 0);
    m_worker = std::make_unique<FileWorker>();
    connect(m_worker.get(), &FileWorker::done, this, &TransferEngine::copied);
    m_worker->copy(item.source, m_part.descriptor());
}

void TransferEngine::copied(bool ok, const QString &error)
{
    const bool sourceFailed = m_worker && m_worker->sourceFailed();
    retire(m_worker);
    if (ok) {
        commit();
        return;
    }
    m_part.remove();
    endItem(m_cancelled ? TransferItem::Cancelled : TransferItem::Failed, m_cancelled ? QString() : error,
        sourceFailed ? TransferItem::Fault::Source : TransferItem::Fault::Destination);
}

void TransferEngine::convert(TransferItem &item, const QString &finalName)
{
    TransferPaths paths;
    paths.x264Preset = m_request.x264Preset;
    paths.videoKbpsCeiling = item.size.videoKbpsCeiling;
    m_moves.clear();
    m_finals.clear();
    QString error;
    m_tool = std::make_unique<ToolRun>();
    if (item.size.parts > 1) {
        // ffmpeg names a split's files itself: they go into a folder of our
        // own, where no one else's file or link can be, and are moved out.
        if (!m_split.makeStaging(workFolder(), journal(), &error)) {
            m_tool.reset();
            endItem(TransferItem::Failed, error, TransferItem::Fault::Destination);
            return;
        }
        paths.output
            = descriptorPath(m_split.descriptor()) + QStringLiteral("/part%d.") + item.decision.extension();
        paths.segmentSeconds = item.size.segmentSeconds;
        m_tool->setInheritedDescriptors({ m_split.descriptor() });
    } else {
        if (!m_part.create(workFolder(), finalName, journal(), &error)) {
            m_tool.reset();
            endItem(TransferItem::Failed, error, TransferItem::Fault::Destination);
            return;
        }
        paths.output = descriptorPath(m_part.descriptor());
        m_tool->setInheritedDescriptors({ m_part.descriptor() });
        m_moves = { m_part.move(finalName) };
        m_finals << workFolder().filePath(finalName);
        if (item.decision.sidecarSubtitle >= 0) {
            const QString name = subtitleName(finalName);
            if (!m_subtitlePart.create(workFolder(), name, journal(), &error)) {
                m_tool.reset();
                m_part.remove();
                endItem(TransferItem::Failed, error);
                return;
            }
            paths.subtitleOutput = descriptorPath(m_subtitlePart.descriptor());
            m_tool->setInheritedDescriptors({ m_part.descriptor(), m_subtitlePart.descriptor() });
            m_moves.push_back(m_subtitlePart.move(name));
            m_finals << workFolder().filePath(name);
        }
    }
    paths.source = sourceFor(item.source, *m_tool);
    m_parser = ProgressParser();
    m_stage = TransferProgress::Converting;
    report(m_stage, 0);
    m_tool->setKillDelay(m_killDelay);
    connect(m_tool.get(), &ToolRun::outputRead, this, [this](const QByteArray &chunk) {
        for (const ProgressBlock &block : m_parser.feed(chunk)) {
            if (block.outTimeUs >= 0)
                m_outTimeUs = block.outTimeUs;
            if (block.totalSize >= 0)
                m_outBytes = block.totalSize;
            m_speed = block.speed;
        }
    });
    connect(m_tool.get(), &ToolRun::done, this, &TransferEngine::converted);
    m_tool->start(QStringLiteral("ffmpeg"), transferArguments(item.decision, paths));
    if (m_part.descriptor() >= 0) {
        m_writeBehind = std::make_unique<FileWorker>();
        m_writeBehind->writeBehind(m_part.descriptor());
    }
}

void TransferEngine::converted(ToolResult result)
{
    if (result == ToolResult::Done && finishedBadly(*m_tool))
        result = ToolResult::Failed;
    TransferItem::Fault fault = TransferItem::Fault::Tool;
    const QString error = toolFailure(*m_tool, result, &fault);
    // With -v error, a clean input leaves the decoder silent.
    const bool decodeErrors = result == ToolResult::Done && !m_tool->errorText().trimmed().isEmpty();
    retire(m_tool);
    if (m_writeBehind) {
        m_writeBehind->cancel();
        retire(m_writeBehind);
    }
    if (result != ToolResult::Done) {
        m_split.remove();
        m_part.remove();
        m_subtitlePart.remove();
        endItem(result == ToolResult::Cancelled ? TransferItem::Cancelled : TransferItem::Failed,
            result == ToolResult::Cancelled ? QString() : error, fault);
        return;
    }
    // What the decoder could not read still arrives, but says so.
    TransferDecision &decision = m_items[m_current].decision;
    const double written = m_outTimeUs / 1e6;
    if (decision.duration > 0 && written > 0
        && written < decision.duration - std::max(1.0, decision.duration * 0.05))
        decision.damage = TransferDecision::damageText(written, decision.duration);
    else if (decision.damage.isEmpty() && decodeErrors)
        decision.damage = TransferDecision::damageText(-1, decision.duration);
    if (m_split.isOpen()) {
        // The split's files, in order, up to the first one ffmpeg did not write.
        const TransferItem &item = m_items.at(m_current);
        for (int part = 1;; ++part) {
            const QString name = QStringLiteral("part%1.").arg(part) + item.decision.extension();
            struct stat info;
            if (::fstatat(
                    m_split.descriptor(), QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW)
                    != 0
                || !S_ISREG(info.st_mode) || info.st_size == 0)
                break;
            // Ours is the last "%d": the title may hold one of its own.
            const QString finalName = QString(item.name).replace(
                item.name.lastIndexOf(QLatin1String("%d")), 2, QString::number(part));
            m_moves.push_back({ m_split.descriptor(), name, workFolder().descriptor(), finalName });
            m_finals << workFolder().filePath(finalName);
        }
        if (m_moves.empty()) {
            m_split.remove();
            endItem(TransferItem::Failed, tr("ffmpeg wrote nothing"), TransferItem::Fault::Tool);
            return;
        }
    }
    commit();
}

void TransferEngine::commit()
{
    commitThen(false, [this](bool ok, const QString &error) {
        if (!ok) {
            endItem(TransferItem::Failed, error, TransferItem::Fault::Destination);
            return;
        }
        m_items[m_current].outputs = m_finals;
        if (m_request.burn)
            endItem(TransferItem::Planned);
        else
            recordSent();
    });
}

void TransferEngine::recordSent()
{
    // Only a hint: a file that arrived has arrived, whether or not it is written down.
    QString error;
    if (!m_folder.stillThere()
        || !m_indexPart.create(m_folder, QLatin1String(SentIndex::FileName), journal(), &error)) {
        endItem(TransferItem::Arrived);
        return;
    }
    QStringList names;
    for (const QString &output : m_finals)
        names << QFileInfo(output).fileName();
    const int folder = m_folder.descriptor();
    const int part = m_indexPart.descriptor();
    const PartFile::Move move = m_indexPart.move(QLatin1String(SentIndex::FileName));
    const QString source = m_items.at(m_current).source;
    const int type = m_request.type;
    m_worker = std::make_unique<FileWorker>();
    connect(m_worker.get(), &FileWorker::done, this, [this](bool ok, const QString &) {
        retire(m_worker);
        if (ok)
            m_indexPart.release();
        else
            m_indexPart.remove();
        endItem(TransferItem::Arrived);
    });
    m_worker->run([folder, part, move, source, type, names]() -> QString {
        const SentIndex::Key key = SentIndex::keyOf(source, type);
        const QByteArray text
            = SentIndex::serialise(SentIndex::with(folder, SentIndex::read(folder), key, names));
        if (!WholeFile::replace(part, text))
            return PartFile::writeError(errno);
        QString error;
        // Not synced: an index lost in a crash only means nothing is known.
        return PartFile::commit({ move }, true, &error, false) ? QString() : error;
    });
}

void TransferEngine::commitThen(bool replace, std::function<void(bool, const QString &)> then)
{
    if (!m_folder.stillThere()) {
        m_split.remove();
        m_part.remove();
        m_subtitlePart.remove();
        then(false, goneText());
        return;
    }
    m_stage = TransferProgress::Flushing;
    report(m_stage, NotYetDone);
    m_worker = std::make_unique<FileWorker>();
    connect(m_worker.get(), &FileWorker::done, this, [this, then](bool ok, const QString &error) {
        retire(m_worker);
        if (ok) {
            m_part.release();
            m_subtitlePart.release();
        } else {
            m_part.remove();
            m_subtitlePart.remove();
        }
        // Moved out or not, what is left of a split goes.
        m_split.remove();
        m_moves.clear();
        then(ok, error);
    });
    m_worker->commit(m_moves, replace);
}

} // namespace Zarnet
