// Planning: sizes, names and the disc, decided for every file before any
// work starts.
#include "transfer/transferengine.h"

#include "transfer/localname.h"
#include "transfer/runjournal.h"
#include "transfer/targetnames.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

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
    if (!m_request.burn && !m_request.sendAgain)
        findSent();
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

void TransferEngine::findSent()
{
    if (!m_folder.isOpen())
        return;
    const QVector<SentIndex::Entry> entries = SentIndex::read(m_folder.descriptor());
    if (entries.isEmpty())
        return;
    for (TransferItem &item : m_items) {
        if (item.state != TransferItem::Planned)
            continue;
        const QStringList names = SentIndex::find(
            m_folder.descriptor(), entries, SentIndex::keyOf(item.source, m_request.type, &entries));
        if (names.isEmpty())
            continue;
        item.state = TransferItem::AlreadyThere;
        item.name = names.first();
        item.outputs.clear();
        for (const QString &name : names)
            item.outputs << m_folder.filePath(name);
        item.decision.notes.prepend(tr("already on the device"));
    }
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
