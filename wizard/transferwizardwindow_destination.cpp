// Where the videos go: the destination asked for or remembered, changed,
// waited for when it is a stick, and the runs that follow a change.
#include "wizard/transferwizardwindow.h"

#include "transfer/transferengine.h"
#include "wizard/destinationdialog.h"
#include "wizard/devicelookup.h"
#include "wizard/removablevolumes.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace Zarnet {

bool TransferWizardWindow::prepareDevice(TransferRequest *request)
{
    const DeviceLookup::Result device = DeviceLookup::find(m_deviceId);
    switch (device.status) {
    case DeviceLookup::StoreUnreadable:
        end(tr("The list of devices cannot be read, so nothing was transferred."));
        return false;
    case DeviceLookup::NoSuchDevice:
        end(tr("This device is no longer in the list, so nothing was transferred."));
        return false;
    case DeviceLookup::UnknownType:
        end(tr("This device is of a kind this version does not know, so nothing was transferred."));
        return false;
    case DeviceLookup::Found:
        break;
    }
    m_deviceName = device.name;
    m_deviceType = device.type;
    request->type = m_deviceType;
    m_subject = tr("%n video(s) to %1", nullptr, int(m_files.size())).arg(m_deviceName);
    m_heading->setText(tr("Transferring %n video(s) to %1", nullptr, int(m_files.size())).arg(m_deviceName));

    DestinationStore::Destination remembered;
    QString note;
    if (DestinationStore::load(m_deviceId, m_deviceName, m_deviceType, &remembered)) {
        if (remembered.kind == DestinationStore::Destination::Volume
            && RemovableVolumes::rootOf(remembered.uuid).isEmpty()) {
            QMessageBox box(QMessageBox::Question, tr("Transfer Videos"),
                tr("The USB stick “%1” that %2 plays from is not plugged in.")
                    .arg(remembered.label, m_deviceName),
                QMessageBox::NoButton, this);
            box.setObjectName(QStringLiteral("VolumeAbsent"));
            QPushButton *wait = box.addButton(tr("&Wait for It"), QMessageBox::AcceptRole);
            QPushButton *other = box.addButton(tr("&Choose Another…"), QMessageBox::ActionRole);
            box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(wait);
            runModal(box);
            if (box.clickedButton() == wait) {
                m_destination = remembered;
                m_request = *request;
                waitForVolume();
                return false;
            }
            if (box.clickedButton() != other) {
                end(tr("Nothing was transferred."));
                return false;
            }
        } else if (resolve(remembered, request)) {
            const QString problem = DestinationDialog::writeProblem(m_folder);
            if (problem.isEmpty()) {
                m_destination = remembered;
                return true;
            }
            note = problem;
        } else {
            note = tr("The folder chosen before, %1, is gone.").arg(remembered.path);
        }
    }
    DestinationStore::Destination chosen;
    if (!askDestination(note, &chosen) || !resolve(chosen, request)) {
        end(tr("Nothing was transferred."));
        return false;
    }
    if (const QString problem = DestinationDialog::writeProblem(m_folder); !problem.isEmpty()) {
        end(tr("Nothing was transferred: %1").arg(problem));
        return false;
    }
    m_destination = chosen;
    DestinationStore::save(m_deviceId, m_deviceName, m_deviceType, chosen);
    return true;
}

bool TransferWizardWindow::askDestination(const QString &note, DestinationStore::Destination *out)
{
    DestinationDialog dialog(m_deviceName, note, this);
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    *out = dialog.destination();
    return out->kind != DestinationStore::Destination::None;
}

bool TransferWizardWindow::resolve(const DestinationStore::Destination &destination, TransferRequest *request)
{
    QString folder = destination.path;
    if (destination.kind == DestinationStore::Destination::Volume) {
        const QString root = RemovableVolumes::rootOf(destination.uuid);
        if (root.isEmpty())
            return false;
        folder = QDir(root).filePath(destination.path);
        QDir().mkpath(folder);
    }
    if (!QFileInfo(folder).isDir())
        return false;
    m_folder = QDir::cleanPath(folder);
    request->destination = m_folder;
    // A stick pulled mid-run is named in what the files say; a folder is not a stick.
    request->volumeLabel.clear();
    if (destination.kind == DestinationStore::Destination::Volume)
        request->volumeLabel = destination.label.isEmpty() ? destination.uuid : destination.label;
    return true;
}

void TransferWizardWindow::changeDestination()
{
    const auto arrived = [this] {
        return std::any_of(items().cbegin(), items().cend(),
            [](const TransferItem &item) { return item.state == TransferItem::Arrived; });
    };
    // Once a video is there the run goes on where it is; afterwards, what
    // the destination kept out can go elsewhere.
    if (m_restarting || (isRunning() && arrived()) || (m_over && m_retry.isEmpty()))
        return;
    DestinationStore::Destination chosen;
    TransferRequest request = m_request;
    const QString before = m_folder;
    if (!askDestination(QString(), &chosen) || !resolve(chosen, &request))
        return;
    if (const QString problem = DestinationDialog::writeProblem(m_folder); !problem.isEmpty()) {
        m_folder = before;
        m_status->setText(problem);
        m_status->setVisible(true);
        return;
    }
    m_waitTimer.stop();
    m_destination = chosen;
    m_request = request;
    DestinationStore::save(m_deviceId, m_deviceName, m_deviceType, chosen);
    if (isRunning()) {
        // What is on its way is removed before the run starts over.
        m_restarting = true;
        m_stoppedFolder = before;
        m_change->setEnabled(false);
        m_status->setText(tr("Stopping, to start again in %1…").arg(m_folder));
        m_engine->cancel();
        return;
    }
    if (!m_over)
        return runAgain(m_request.files);
    if (!m_retry.isEmpty())
        return runAgain(m_retry);
    // The run ended while the question was open, with nothing left to send:
    // what arrived is still where "Open folder" leads.
    m_folder = before;
    m_status->setText(tr("Nothing is left to send; the next transfer goes to %1.").arg(m_folder));
    m_status->setVisible(true);
}

void TransferWizardWindow::restart()
{
    m_restarting = false;
    QStringList files;
    QStringList there;
    for (const TransferItem &item : items()) {
        if (item.state == TransferItem::Arrived)
            there << QFileInfo(item.source).fileName();
        else
            files << item.source;
    }
    const QString stoppedFolder = m_stoppedFolder;
    if (files.isEmpty()) {
        // Everything arrived while the question was open.
        m_folder = stoppedFolder;
        m_runNote = tr("The next transfer goes to %1.").arg(m_request.destination);
        return finished();
    }
    runAgain(files);
    // A video that arrived while the question was open stays where it is.
    if (!there.isEmpty())
        m_runNote = tr("%1 had arrived in %2 before the change.")
                        .arg(QLocale().createSeparatedList(there), stoppedFolder);
}

void TransferWizardWindow::runAgain(QStringList files)
{
    if (isRunning() || files.isEmpty())
        return;
    m_files = files;
    m_rows->clear();
    addRows(files);
    m_subject = tr("%n video(s) to %1", nullptr, int(files.size())).arg(m_deviceName);
    showState(tr("Transferring %n video(s) to %1", nullptr, int(files.size())).arg(m_deviceName));
    m_over = m_planned = m_shotProgress = m_stopped = m_succeeded = m_restarting = false;
    m_retry.clear();
    m_alreadyThere.clear();
    m_runNote.clear();
    m_overall->setValue(0);
    m_summary->hide();
    m_status->setVisible(true);
    m_chooseAnother->hide();
    m_tryAgain->hide();
    m_sendAgain->hide();
    m_change->show();
    m_openFolder->setEnabled(false);
    m_cancel->setText(tr("Cancel"));
    m_cancel->setDefault(false);
    m_request.files = files;
    TransferRequest request = m_request;
    if (m_destination.kind == DestinationStore::Destination::Volume
        && RemovableVolumes::rootOf(m_destination.uuid).isEmpty())
        return waitForVolume();
    if (!resolve(m_destination, &request))
        return end(tr("The destination %1 is no longer there, so nothing was transferred.").arg(m_folder));
    start(request);
}

void TransferWizardWindow::offerRetry()
{
    m_sendAgain->setVisible(!m_alreadyThere.isEmpty());
    if (m_retry.isEmpty())
        return;
    const bool stickGone = m_destination.kind == DestinationStore::Destination::Volume
        && RemovableVolumes::rootOf(m_destination.uuid).isEmpty();
    const QString label = m_destination.label.isEmpty() ? m_destination.uuid : m_destination.label;
    m_tryAgain->setText(stickGone ? tr("&Wait for “%1”").arg(label) : tr("&Try Again"));
    m_tryAgain->show();
    m_chooseAnother->show();
    m_tryAgain->setDefault(true);
    m_tryAgain->setFocus();
    const int count = int(m_retry.size());
    const QString videos = tr("%n video(s)", nullptr, count);
    m_status->setText(stickGone
            ? tr("Plug “%1” back in and press Wait to send the %2 that did not arrive, or "
                 "choose another folder.")
                  .arg(label, videos)
            : tr("%1 did not arrive because of the destination: try again, or choose "
                 "another folder.")
                  .arg(videos));
    m_status->setVisible(true);
}

void TransferWizardWindow::waitForVolume()
{
    m_status->setText(
        tr("Waiting for the USB stick “%1”. Plug it in, or press Cancel.").arg(m_destination.label));
    m_change->setEnabled(true);
    m_waitTimer.start();
}

} // namespace Zarnet
