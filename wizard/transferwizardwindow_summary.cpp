// How each file and the whole run ended, and what the window offers then.
#include "wizard/transferwizardwindow.h"

#include "transfer/transferengine.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>

namespace Zarnet {

void TransferWizardWindow::fileEnded(int index)
{
    QTreeWidgetItem *row = m_rows->topLevelItem(index);
    if (!row || !m_engine)
        return;
    if (!m_shotProgress && m_planned && m_engine->isRunning()) {
        m_shotProgress = true;
        snapshot(QStringLiteral("progress"));
    }
    if (index >= items().size())
        return;
    const TransferItem &item = items().at(index);
    auto *bar = qobject_cast<QProgressBar *>(m_rows->itemWidget(row, ProgressColumn));
    QString state;
    switch (item.state) {
    case TransferItem::Arrived:
        state = m_request.burn ? tr("On the disc") : tr("Arrived");
        if (bar)
            bar->setValue(1000);
        // A folder of two halves is worse than one in the wrong place.
        m_change->setEnabled(false);
        if (!item.decision.damage.isEmpty()) {
            const QString damaged = tr("Arrived, but %1").arg(item.decision.damage);
            row->setText(ReasonColumn, damaged);
            row->setToolTip(ReasonColumn, damaged);
        }
        break;
    case TransferItem::Failed:
        state = tr("Failed: %1").arg(item.error);
        break;
    case TransferItem::Cancelled:
        state = tr("Stopped");
        break;
    case TransferItem::AlreadyThere:
        state = tr("Already on the device");
        if (bar)
            bar->setValue(1000);
        if (!item.outputs.isEmpty()) {
            const QString there
                = tr("Already on the device as %1").arg(QFileInfo(item.outputs.first()).fileName());
            row->setText(ReasonColumn, there);
            row->setToolTip(ReasonColumn, there);
        }
        break;
    default:
        return;
    }
    if (item.state != TransferItem::Arrived && item.state != TransferItem::AlreadyThere && bar) {
        // Not a bar that filled: nothing of the file is there.
        bar->setValue(0);
        if (item.state == TransferItem::Failed) {
            QPalette failed = bar->palette();
            for (QPalette::ColorRole role :
                { QPalette::Text, QPalette::WindowText, QPalette::HighlightedText })
                failed.setColor(role, QColor(0xb3, 0x26, 0x1e));
            bar->setPalette(failed);
            row->setIcon(FileColumn, style()->standardIcon(QStyle::SP_MessageBoxCritical));
            row->setForeground(ReasonColumn, QColor(0xb3, 0x26, 0x1e));
        }
    }
    if (bar)
        bar->setFormat(state.section(QLatin1Char(':'), 0, 0));
    row->setText(SpeedColumn, QString());
    row->setText(LeftColumn, QString());
    if (item.state == TransferItem::Failed) {
        row->setText(ReasonColumn, state);
        row->setToolTip(ReasonColumn, state);
    }
    row->setData(FileColumn, Qt::AccessibleTextRole, tr("%1: %2").arg(row->text(FileColumn), state));
}

void TransferWizardWindow::finished()
{
    if (m_restarting)
        return restart();
    for (int i = 0; i < items().size(); ++i)
        fileEnded(i);
    if (m_request.burn && !m_drive.isEmpty() && m_engine->allArrived() && !m_stopped)
        return burn(false);
    QStringList lines;
    int arrived = 0;
    int already = 0;
    m_retry.clear();
    m_alreadyThere.clear();
    for (const TransferItem &item : items()) {
        const QString name = QFileInfo(item.source).fileName();
        if (item.state == TransferItem::Arrived && m_differing.contains(item.name)) {
            ++arrived; // into the image, which is sound
            lines << tr("✗ %1 is on the disc as %2, but differs there from the image").arg(name, item.name);
            QTreeWidgetItem *row = m_rows->topLevelItem(int(&item - items().constData()));
            if (auto *bar
                = row ? qobject_cast<QProgressBar *>(m_rows->itemWidget(row, ProgressColumn)) : nullptr)
                bar->setFormat(tr("Check failed"));
        } else if (item.state == TransferItem::Arrived) {
            ++arrived;
            QStringList outputs;
            for (const QString &output : item.outputs)
                outputs << QFileInfo(output).fileName();
            lines << (m_request.burn
                    ? tr("✓ %1 is on the disc as %2").arg(name, item.name)
                    : tr("✓ %1 arrived as %2").arg(name, outputs.join(QStringLiteral(", "))));
        } else if (item.state == TransferItem::AlreadyThere) {
            ++already;
            m_alreadyThere << item.source;
            lines << tr("= %1 is already on the device as %2")
                         .arg(name,
                             item.outputs.isEmpty() ? item.name : QFileInfo(item.outputs.first()).fileName());
        } else if (item.state == TransferItem::Failed) {
            lines << tr("✗ %1 failed: %2").arg(name, item.error);
            const bool destination = item.fault == TransferItem::Fault::Destination
                || item.fault == TransferItem::Fault::DestinationGone;
            if (!m_request.burn && destination && QFileInfo::exists(item.source))
                m_retry << item.source;
        } else {
            lines << tr("– %1 was stopped; nothing of it was left behind").arg(name);
        }
    }
    const int count = int(items().size());
    m_succeeded
        = arrived + already == count && m_engine->runError().isEmpty() && (!m_burnTried || m_burnChecked);
    QString head;
    if (!m_engine->runError().isEmpty())
        head = tr("The disc image was not made: %1").arg(m_engine->runError());
    else if (m_request.burn && arrived == count)
        head = tr("The disc image %1 is ready.").arg(m_request.isoPath);
    else if (m_request.burn)
        head = tr("The disc image was not made.");
    else
        head = tr("%1 of %n video(s) arrived in %2.", nullptr, count).arg(arrived).arg(m_folder);
    if (already > 0)
        head += QLatin1Char(' ') + tr("%n was there already.", nullptr, already);
    if (!m_runNote.isEmpty())
        head += QLatin1Char(' ') + m_runNote;
    // What is there, not what was tried: a bar full above "0 of 3" misleads.
    m_overall->setValue(count > 0 ? (arrived + already) * 1000 / count : 0);
    showState(endState(arrived, count));
    end(head + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    offerRetry();
}

QString TransferWizardWindow::endState(int arrived, int count) const
{
    const bool stopped = m_stopped
        || std::any_of(items().cbegin(), items().cend(),
            [](const TransferItem &item) { return item.state == TransferItem::Cancelled; });
    if (m_request.burn) {
        if (m_succeeded)
            return m_burnTried ? tr("The disc is ready") : tr("The disc image is ready");
        if (stopped)
            return tr("Stopped");
        return arrived == count && m_engine->runError().isEmpty()
            ? tr("The disc image is ready; the disc is not")
            : tr("No disc was made");
    }
    const int already = int(m_alreadyThere.size());
    if (!stopped && already == count)
        return tr("Already on the device");
    QString progress = tr("%1 of %n video(s) arrived", nullptr, count).arg(arrived);
    if (already > 0)
        progress = tr("%1, %2 there already").arg(progress).arg(already);
    if (stopped)
        return arrived > 0 ? tr("Stopped — %1").arg(progress) : tr("Stopped");
    return arrived + already == 0 ? tr("Nothing arrived") : progress;
}

void TransferWizardWindow::openFolder()
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder)))
        return;
    // No file manager to hand it to: the place is the next best thing.
    m_status->setText(tr("No program to show folders is installed. The files are in %1").arg(m_folder));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->setVisible(true);
}

void TransferWizardWindow::showState(const QString &state)
{
    m_heading->setText(state);
    setWindowTitle(state);
}

void TransferWizardWindow::end(const QString &message)
{
    m_over = true;
    m_waitTimer.stop();
    if (!m_engine) {
        showState(m_deviceId == BurnTarget ? tr("No disc was made") : tr("Nothing arrived"));
        for (int i = 0; i < m_rows->topLevelItemCount(); ++i)
            m_rows->topLevelItem(i)->setText(ReasonColumn, tr("Not transferred"));
    }
    m_summary->setText(message);
    m_summary->show();
    m_status->setText(QString());
    m_status->setVisible(false);
    m_openFolder->setEnabled(!m_folder.isEmpty() && QFileInfo(m_folder).isDir());
    m_change->hide();
    m_cancel->setText(tr("Close"));
    m_cancel->setDefault(true);
    m_cancel->setFocus();
    snapshot(QStringLiteral("summary"));
    emit ended();
    if (!qEnvironmentVariableIsEmpty("KAVO_WIZARD_SNAPSHOTS"))
        QTimer::singleShot(0, this, &QDialog::accept);
}

} // namespace Zarnet
