// Disc images: the converted files, and the copies straight from their
// sources, put into one ISO 9660 image with Joliet and Rock Ridge names and
// MD5 checksums by xorriso.
#include "transfer/transferengine.h"

#include "transfer/toolrun.h"
#include "transfer/transferarguments.h"

#include <QDir>
#include <QFileInfo>

namespace Zarnet {

namespace {

QString gigabytes(qint64 bytes)
{
    return TransferEngine::tr("%1 GB").arg(double(bytes) / 1e9, 0, 'f', 2);
}

QString discName(DiscSize disc)
{
    switch (disc) {
    case DiscSize::Cd:
        return TransferEngine::tr("a CD");
    case DiscSize::Dvd:
        return TransferEngine::tr("a DVD");
    case DiscSize::DvdDual:
        return TransferEngine::tr("a dual-layer DVD");
    case DiscSize::BluRay:
        return TransferEngine::tr("a Blu-ray disc");
    }
    return {};
}

} // namespace

// Before any conversion: the estimates, plus room for the file system, must
// fit the disc asked for.
void TransferEngine::planDisc()
{
    qint64 total = 0;
    for (const TransferItem &item : m_items) {
        if (item.state == TransferItem::Planned)
            total += (item.decision.estimatedBytes + 2047) / 2048 * 2048;
    }
    total += total / 50 + (Q_INT64_C(1) << 20);
    const qint64 capacity = TransferRequest::discBytes(m_request.disc);
    if (total > capacity) {
        m_runError = tr("about %1 does not fit on %2 (%3)")
                         .arg(gigabytes(total), discName(m_request.disc), gigabytes(capacity));
        for (TransferItem &item : m_items) {
            if (item.state == TransferItem::Planned) {
                item.state = TransferItem::Failed;
                item.error = m_runError;
                item.fault = TransferItem::Fault::Source;
            }
        }
        return;
    }
    // Converted files wait in a folder of our own beside the image.
    QString error;
    if (!m_request.dryRun && !m_staging.makeStaging(m_folder, journal(), &error))
        m_runError = tr("cannot make a folder beside the disc image: %1").arg(error);
}

void TransferEngine::makeImage()
{
    QStringList maps;
    for (const TransferItem &item : m_items) {
        if (item.state != TransferItem::Planned)
            continue;
        for (const QString &output : item.outputs) {
            // Converted files are read through our hold on their folder.
            if (item.decision.action == TransferAction::Copy) {
                maps << QStringLiteral("-map") << output << QLatin1Char('/') + item.name;
            } else {
                const QString name = QFileInfo(output).fileName();
                maps << QStringLiteral("-map")
                     << descriptorPath(m_staging.descriptor()) + QLatin1Char('/') + name
                     << QLatin1Char('/') + name;
            }
        }
    }
    if (maps.isEmpty()) {
        m_runError = tr("no file could be put on the disc image");
        endRun();
        return;
    }
    QString error;
    const QString isoName = QFileInfo(m_request.isoPath).fileName();
    if (!m_part.create(m_folder, isoName, journal(), &error)) {
        m_runError = tr("cannot write the disc image: %1").arg(error);
        endRun();
        return;
    }
    // An empty file is a blank medium to xorriso.
    const QStringList arguments = QStringList { QStringLiteral("-no_rc"), QStringLiteral("-abort_on"),
        QStringLiteral("FAILURE"), QStringLiteral("-outdev"),
        QStringLiteral("stdio:") + descriptorPath(m_part.descriptor()), QStringLiteral("-volid"),
        QStringLiteral("KAVO"), QStringLiteral("-joliet"), QStringLiteral("on"), QStringLiteral("-rockridge"),
        QStringLiteral("on"), QStringLiteral("-md5"), QStringLiteral("on") }
        + maps + QStringList { QStringLiteral("-commit"), QStringLiteral("-end") };
    m_stage = TransferProgress::Imaging;
    m_imageFraction = 0;
    m_clock.start();
    m_tick.start();
    report(m_stage, 0);
    m_tool = std::make_unique<ToolRun>();
    m_tool->setKillDelay(m_killDelay);
    m_imageParser = ImageProgressParser();
    connect(m_tool.get(), &ToolRun::errorRead, this, [this](const QByteArray &chunk) {
        const double fraction = m_imageParser.feed(chunk);
        if (fraction >= 0)
            m_imageFraction = std::min(NotYetDone, fraction);
    });
    connect(m_tool.get(), &ToolRun::done, this, &TransferEngine::imaged);
    m_tool->setInheritedDescriptors({ m_part.descriptor(), m_staging.descriptor() });
    m_tool->start(QStringLiteral("xorriso"), arguments);
}

void TransferEngine::imaged(ToolResult result)
{
    const QString error = m_tool->failureText(result);
    retire(m_tool);
    m_tick.stop();
    if (result != ToolResult::Done) {
        m_part.remove();
        if (result != ToolResult::Cancelled)
            m_runError = error;
        endRun();
        return;
    }
    // The image was asked for by name: an older one there is replaced.
    m_moves = { m_part.move(QFileInfo(m_request.isoPath).fileName()) };
    commitThen(true, [this](bool ok, const QString &error) {
        if (!ok) {
            m_runError = tr("cannot write the disc image: %1").arg(error);
        } else {
            for (TransferItem &item : m_items) {
                if (item.state == TransferItem::Planned && !item.outputs.isEmpty()) {
                    item.state = TransferItem::Arrived;
                    item.outputs = QStringList { m_request.isoPath };
                }
            }
            report(TransferProgress::Arrived, 1.0);
        }
        m_staging.remove();
        endRun();
    });
}

} // namespace Zarnet
