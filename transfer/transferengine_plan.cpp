// Planning: sizes, names and the disc, decided for every file before any
// work starts.
#include "transfer/transferengine.h"

#include "transfer/fileworker.h"
#include "transfer/localname.h"
#include "transfer/runjournal.h"
#include "transfer/targetnames.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <memory>

namespace Zarnet {

void TransferEngine::plan()
{
    const QByteArray type = TargetNames::fileSystemType(
        m_request.burn ? QFileInfo(m_request.isoPath).absolutePath() : m_request.destination);
    const bool fat = !m_request.burn && TargetNames::isFat(type);
    // ISO 9660 below level 3 holds files under 4 GiB, as FAT32 does.
    const bool fat32 = m_request.burn || TargetNames::isFat32(type);
    for (TransferItem &item : m_items) {
        if (!item.probed)
            continue;
        item.state = TransferItem::Planned;
        item.size = SizePlan::make(item.decision, fat32, m_request.partBytes);
        if (!item.size.fits) {
            item.state = TransferItem::Failed;
            item.error = item.size.message;
            item.fault = TransferItem::Fault::Source;
        } else if (item.size.parts > 1 && item.decision.action == TransferAction::Copy) {
            item.decision.action = TransferAction::Remux;
            item.decision.reason = tr("It is too long for one file on this device: splitting it, unchanged, "
                                      "into %1 parts.")
                                       .arg(item.size.parts);
            item.decision.detail = tr("%1; %2").arg(item.decision.detail, item.size.message);
        } else if (item.size.parts > 1) {
            item.decision.notes << item.size.message;
        }
        // Subtitles beside a split would need one file per part, each shifted.
        if (item.size.parts > 1 && item.decision.sidecarSubtitle >= 0) {
            item.decision.notes.removeOne(TransferDecision::sidecarNote(item.decision.sidecarTrack));
            item.decision.notes << tr("subtitles left out: the video is split into parts");
            item.decision.sidecarSubtitle = -1;
        }
        // xorriso takes a copy by its name, which an argument cannot carry
        // when it is not UTF-8: ffmpeg reads it by descriptor instead.
        if (m_request.burn && item.decision.action == TransferAction::Copy && LocalName::isRaw(item.source)) {
            item.decision.action = TransferAction::Remux;
            item.decision.detail
                = tr("%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc")
                      .arg(item.decision.detail);
        }
    }
    if (!m_request.burn && !m_request.sendAgain && findSent([this, fat] { planAfterSent(fat); }))
        return;
    planAfterSent(fat);
}

void TransferEngine::planAfterSent(bool fat)
{
    planNames(fat);
    if (m_request.burn)
        planDisc();
    const TransferItem &first = m_items.first();
    if (first.state != TransferItem::Planned || first.decision.action != TransferAction::Copy
        || first.size.parts > 1)
        dropEarlyCopy();
    emit planned();
    for (int i = 0; i < m_items.size() && !m_request.dryRun; ++i) {
        if (m_items.at(i).state == TransferItem::AlreadyThere) {
            report(i, TransferProgress::Arrived, 1.0);
            emit fileEnded(i);
        }
    }
    if (m_request.dryRun || !m_runError.isEmpty()) {
        m_running = false;
        emit finished(m_runError.isEmpty()
            && std::none_of(m_items.cbegin(), m_items.cend(),
                [](const TransferItem &item) { return item.state == TransferItem::Failed; }));
        return;
    }
    // What runs that died left behind, wherever it is; never what a user named alike.
    RunJournal::sweep();
    m_current = -1;
    runNext();
}

bool TransferEngine::findSent(std::function<void()> then)
{
    if (!m_folder.isOpen())
        return false;
    QVector<int> indexes;
    QStringList sources;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).state == TransferItem::Planned) {
            indexes << i;
            sources << m_items.at(i).source;
        }
    }
    if (indexes.isEmpty())
        return false;
    // A file sent before is read, 2 MiB of it, from wherever it lies: never
    // on this thread, which may be a window's.
    auto found = std::make_shared<QVector<QStringList>>(sources.size());
    m_worker = std::make_unique<FileWorker>();
    FileWorker *worker = m_worker.get();
    connect(worker, &FileWorker::done, this, [this, indexes, found, then](bool, const QString &) {
        retire(m_worker);
        // Stopped while it looked: nothing was planned, as when stopped while probing.
        if (m_cancelled) {
            endRun();
            return;
        }
        for (int i = 0; i < indexes.size(); ++i) {
            const QStringList &names = found->at(i);
            if (names.isEmpty())
                continue;
            TransferItem &item = m_items[indexes.at(i)];
            item.state = TransferItem::AlreadyThere;
            item.name = names.first();
            item.outputs.clear();
            for (const QString &name : names)
                item.outputs << m_folder.filePath(name);
            item.decision.notes.prepend(tr("already on the device"));
        }
        then();
    });
    worker->run([worker, found, sources, folder = m_folder.descriptor(), type = m_request.type]() -> QString {
        const QVector<SentIndex::Entry> entries = SentIndex::read(folder);
        for (int i = 0; i < sources.size() && !entries.isEmpty() && !worker->isCancelled(); ++i)
            (*found)[i] = SentIndex::find(folder, entries, SentIndex::keyOf(sources.at(i), type, &entries));
        return QString();
    });
    return true;
}

void TransferEngine::planNames(bool fat)
{
    const DeviceProfile &profile = *deviceProfile(m_request.type);
    TargetNames::Rules rules;
    rules.fat = fat;
    rules.ascii = profile.asciiNames;
    rules.maxLength = profile.maxNameLength > 0 ? profile.maxNameLength : 255;
    if (m_request.burn) {
        // Joliet holds 64 characters; xorriso would make long names unique at 65.
        rules.joliet = true;
        rules.maxLength = std::min(rules.maxLength, 64);
    }
    const bool caseBlind = fat || m_request.burn;
    QSet<QString> taken;
    if (!m_request.burn) {
        const QStringList existing
            = QDir(m_request.destination)
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : existing)
            taken.insert(TargetNames::key(name, caseBlind));
    }
    for (TransferItem &item : m_items) {
        if (item.state != TransferItem::Planned)
            continue;
        // Bytes that are not UTF-8 become U+FFFD: the new name is valid text.
        const QFileInfo source(LocalName::readable(item.source));
        const QString extension
            = item.decision.action == TransferAction::Copy ? source.suffix() : item.decision.extension();
        if (item.size.parts <= 1) {
            const QString wanted = source.completeBaseName()
                + (extension.isEmpty() ? QString() : QLatin1Char('.') + extension);
            // With subtitles beside it, the .srt's name must be free too.
            do {
                item.name = TargetNames::unique(
                    TargetNames::clean(wanted, rules), &taken, caseBlind, rules.maxLength);
            } while (item.decision.sidecarSubtitle >= 0
                && taken.contains(TargetNames::key(subtitleName(item.name), caseBlind)));
            if (item.decision.sidecarSubtitle >= 0)
                taken.insert(TargetNames::key(subtitleName(item.name), caseBlind));
            continue;
        }
        // "Name - part 1.avi" and on: the stem is cut so the longest part name fits.
        const QString tail = QStringLiteral(" - part %1.").arg(item.size.parts + 9) + extension;
        TargetNames::Rules stemRules = rules;
        stemRules.maxLength = rules.maxLength - int(tail.size()) - 4;
        stemRules.maxBytes = rules.maxBytes - int(tail.toUtf8().size()) - 4;
        const QString stem = TargetNames::clean(source.completeBaseName(), stemRules);
        for (int n = 1;; ++n) {
            const QString candidate = n == 1 ? stem : stem + QStringLiteral(" (%1)").arg(n);
            bool free = true;
            for (int part = 1; part <= item.size.parts + 9 && free; ++part)
                free = !taken.contains(TargetNames::key(
                    QStringLiteral("%1 - part %2.%3").arg(candidate).arg(part).arg(extension), caseBlind));
            if (free) {
                for (int part = 1; part <= item.size.parts + 9; ++part)
                    taken.insert(TargetNames::key(
                        QStringLiteral("%1 - part %2.%3").arg(candidate).arg(part).arg(extension),
                        caseBlind));
                item.name = candidate + QStringLiteral(" - part %d.") + extension;
                break;
            }
        }
    }
}

} // namespace Zarnet
