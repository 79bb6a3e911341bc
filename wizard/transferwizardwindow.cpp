#include "wizard/transferwizardwindow.h"

#include "devices/devicetype.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "transfer/partfile.h"
#include "transfer/toolrun.h"
#include "transfer/transferengine.h"
#include "wizard/burndialog.h"
#include "wizard/destinationdialog.h"
#include "wizard/devicelookup.h"
#include "wizard/removablevolumes.h"
#include "zrt/osutilities.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>

namespace Zarnet {

namespace {
TransferWizardWindow::Runner &runner()
{
    static TransferWizardWindow::Runner r;
    return r;
}

QString actionText(TransferAction action)
{
    switch (action) {
    case TransferAction::Copy:
        return TransferWizardWindow::tr("Copy");
    case TransferAction::Remux:
        return TransferWizardWindow::tr("Remux");
    case TransferAction::Transcode:
        break;
    }
    return TransferWizardWindow::tr("Convert");
}

constexpr int WaitIntervalMs = 1000;

// Whole or not at all: whoever waits for the picture may read it at once.
void savePicture(const QPixmap &picture, const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG"))
        file.commit();
}
} // namespace

void TransferWizardWindow::setRunner(Runner r)
{
    runner() = std::move(r);
}

int TransferWizardWindow::runModal(QDialog &dialog)
{
    if (runner())
        return runner()(dialog);
    // Unattended (the player's tour): the questions of a transfer take their
    // defaults, and anything else is turned down, so nothing waits for a person.
    const QString folder = qEnvironmentVariable("KAVO_WIZARD_SNAPSHOTS");
    if (folder.isEmpty())
        return dialog.exec();
    dialog.show();
    savePicture(dialog.grab(),
        QDir(folder).filePath(QStringLiteral("%1-%2-ask.png")
                                  .arg(dialog.objectName())
                                  .arg(QCoreApplication::applicationPid())));
    dialog.hide();
    return qobject_cast<BurnDialog *>(&dialog) || qobject_cast<DestinationDialog *>(&dialog)
        ? QDialog::Accepted
        : QDialog::Rejected;
}

QString TransferWizardWindow::clockText(double seconds)
{
    if (seconds < 0)
        return {};
    const int whole = int(seconds + 0.5);
    return whole >= 3600 ? QStringLiteral("%1:%2:%3")
                               .arg(whole / 3600)
                               .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
                               .arg(whole % 60, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

namespace {
// tr() takes the device type labels from the type table; marked here for lupdate.
[[maybe_unused]] constexpr const char *typeLabels[] = {
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "PlayStation®3"),
};

// A value the host player keeps in the component's settings; empty when unset.
QString hostSetting(const std::string &section, const char *key)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> settings;
    std::string value;
    if (!kvds::CreateSettings("Settings/" + OSUtilities::getComponentIdUTF8() + "/" + section,
            kvds::CreateUserOpenMachine, &settings)
        || !settings->GetString(std::string(key), value))
        return {};
    return QString::fromStdString(value);
}
} // namespace

QString TransferWizardWindow::mediaFolder()
{
    const QFileInfo folder(hostSetting("General", "MediaFolder"));
    return folder.isAbsolute() && folder.isDir() ? folder.absoluteFilePath() : QString();
}

QString TransferWizardWindow::speedText(const TransferProgress &progress)
{
    // Bytes written by a converter say little; how fast the video goes by does.
    if (progress.stage == TransferProgress::Converting)
        return progress.realTimeFactor > 0
            ? tr("%1× real time").arg(QLocale().toString(progress.realTimeFactor, 'f', 1))
            : QString();
    if (progress.stage == TransferProgress::Copying && progress.bytesPerSecond > 0)
        return tr("%1 MB/s").arg(QLocale().toString(progress.bytesPerSecond / 1e6, 'f', 1));
    return {};
}

TransferWizardWindow::TransferWizardWindow(const QStringList &files, unsigned deviceId, QWidget *parent)
    : QDialog(parent)
    , m_files(files)
    , m_deviceId(deviceId)
    , m_heading(new QLabel(this))
    , m_rows(new QTreeWidget(this))
    , m_overall(new QProgressBar(this))
    , m_status(new QLabel(this))
    , m_summary(new QLabel(this))
    , m_change(new QPushButton(tr("C&hange…"), this))
    , m_chooseAnother(new QPushButton(tr("C&hoose Another Folder…"), this))
    , m_tryAgain(new QPushButton(tr("&Try Again"), this))
    , m_openFolder(new QPushButton(tr("&Open folder"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("TransferWizard"));
    setWindowTitle(deviceId == BurnTarget ? tr("Burn to Disc") : tr("Transfer Videos"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);

    auto *layout = new QVBoxLayout(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setWordWrap(true);
    layout->addWidget(m_heading);

    m_rows->setObjectName(QStringLiteral("TransferRows"));
    m_rows->setAccessibleName(tr("Videos"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setHeaderLabels(
        { tr("Video"), tr("Action"), tr("Why"), tr("Progress"), tr("Speed"), tr("Time left") });
    m_rows->header()->setSectionResizeMode(ReasonColumn, QHeaderView::Stretch);
    m_rows->header()->setStretchLastSection(false);
    m_rows->setColumnWidth(FileColumn, 200);
    // As wide as the longest action word of the language shown ("Umwandeln").
    int actionWidth = 70;
    const TransferAction actions[]
        = { TransferAction::Copy, TransferAction::Remux, TransferAction::Transcode };
    for (const TransferAction action : actions)
        actionWidth = std::max(actionWidth, m_rows->fontMetrics().horizontalAdvance(actionText(action)) + 16);
    m_rows->setColumnWidth(ActionColumn, actionWidth);
    m_rows->setColumnWidth(ProgressColumn, 110);
    m_rows->setColumnWidth(SpeedColumn, 120);
    m_rows->setColumnWidth(LeftColumn, 70);
    addRows(files);
    layout->addWidget(m_rows, 1);

    m_overall->setObjectName(QStringLiteral("TransferOverall"));
    m_overall->setAccessibleName(tr("Overall progress"));
    m_overall->setRange(0, 1000);
    m_overall->setValue(0);
    layout->addWidget(m_overall);
    m_status->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("TransferStatus"));
    layout->addWidget(m_status);
    m_summary->setObjectName(QStringLiteral("TransferSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_summary->hide();
    layout->addWidget(m_summary);

    auto *buttons = new QHBoxLayout;
    // Where the videos go can be changed whenever nothing is on its way.
    m_change->setObjectName(QStringLiteral("ChangeDestination"));
    m_change->setAccessibleName(tr("Change the destination"));
    m_change->setAutoDefault(false);
    m_change->setVisible(deviceId != BurnTarget);
    connect(m_change, &QPushButton::clicked, this, &TransferWizardWindow::changeDestination);
    buttons->addWidget(m_change);
    buttons->addStretch(1);
    for (QPushButton *retry : { m_chooseAnother, m_tryAgain }) {
        retry->setAutoDefault(false);
        retry->hide();
        buttons->addWidget(retry);
    }
    m_chooseAnother->setObjectName(QStringLiteral("ChooseAnotherFolder"));
    connect(m_chooseAnother, &QPushButton::clicked, this, &TransferWizardWindow::changeDestination);
    m_tryAgain->setObjectName(QStringLiteral("TryAgain"));
    connect(m_tryAgain, &QPushButton::clicked, this, [this] { runAgain(m_retry); });
    m_openFolder->setObjectName(QStringLiteral("OpenFolder"));
    m_openFolder->setEnabled(false);
    m_openFolder->setAutoDefault(false);
    connect(m_openFolder, &QPushButton::clicked, this, &TransferWizardWindow::openFolder);
    buttons->addWidget(m_openFolder);
    m_cancel->setObjectName(QStringLiteral("CancelTransfer"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &TransferWizardWindow::reject);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    m_waitTimer.setInterval(WaitIntervalMs);
    connect(&m_waitTimer, &QTimer::timeout, this, [this] {
        const QString root = RemovableVolumes::rootOf(m_destination.uuid);
        if (root.isEmpty())
            return;
        m_waitTimer.stop();
        TransferRequest request = m_request;
        if (resolve(m_destination, &request))
            start(request);
    });
    resize(860, 380);
}

TransferWizardWindow::~TransferWizardWindow() = default;

bool TransferWizardWindow::isRunning() const
{
    return (m_engine && m_engine->isRunning()) || (m_burner && m_burner->isRunning());
}

QString TransferWizardWindow::summary() const
{
    return m_summary->text();
}

void TransferWizardWindow::addRows(const QStringList &files)
{
    for (const QString &file : files) {
        auto *item = new QTreeWidgetItem(m_rows, { QFileInfo(file).fileName() });
        item->setToolTip(FileColumn, file);
        item->setText(ReasonColumn, tr("Waiting"));
        item->setData(FileColumn, Qt::AccessibleTextRole, tr("%1: waiting").arg(item->text(FileColumn)));
        auto *bar = new QProgressBar(m_rows);
        bar->setRange(0, 1000);
        bar->setValue(0);
        bar->setAccessibleName(tr("Progress of %1").arg(item->text(FileColumn)));
        m_rows->setItemWidget(item, ProgressColumn, bar);
    }
}

void TransferWizardWindow::begin()
{
    if (m_files.isEmpty()) {
        QFileDialog chooser(this, tr("Choose the videos to transfer"));
        chooser.setFileMode(QFileDialog::ExistingFiles);
        const QString media = mediaFolder();
        if (!media.isEmpty())
            chooser.setDirectory(media);
        chooser.setNameFilter(tr("Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv "
                                 "*.webm);;All files (*)"));
        if (runModal(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
            return end(tr("No videos were chosen."));
        m_files = chooser.selectedFiles();
        addRows(m_files);
    }
    TransferRequest request;
    request.files = m_files;
    const bool ready = m_deviceId == BurnTarget ? prepareDisc(&request) : prepareDevice(&request);
    if (ready)
        start(request);
}

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
    // A stick pulled mid-run is named in what the files say.
    if (destination.kind == DestinationStore::Destination::Volume)
        request->volumeLabel = destination.label.isEmpty() ? destination.uuid : destination.label;
    return true;
}

void TransferWizardWindow::changeDestination()
{
    if (isRunning())
        return;
    const QStringList files = m_over ? m_retry : m_request.files;
    if (files.isEmpty())
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
    runAgain(files);
}

void TransferWizardWindow::runAgain(const QStringList &files)
{
    if (isRunning() || files.isEmpty())
        return;
    m_files = files;
    m_rows->clear();
    addRows(files);
    m_subject = tr("%n video(s) to %1", nullptr, int(files.size())).arg(m_deviceName);
    showState(tr("Transferring %n video(s) to %1", nullptr, int(files.size())).arg(m_deviceName));
    m_over = m_planned = m_shotProgress = m_stopped = m_succeeded = false;
    m_retry.clear();
    m_overall->setValue(0);
    m_summary->hide();
    m_status->setVisible(true);
    m_chooseAnother->hide();
    m_tryAgain->hide();
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

bool TransferWizardWindow::destinationFault(const QString &error, const QString &volumeLabel)
{
    QStringList faults { TransferEngine::tr("The destination is no longer there.") };
    if (!volumeLabel.isEmpty())
        faults << TransferEngine::tr("The USB stick “%1” was removed.").arg(volumeLabel);
    for (int code : { ENOSPC, EDQUOT, EFBIG, ENOENT, EIO, EROFS, EACCES })
        faults << PartFile::writeError(code).section(QLatin1Char(':'), 0, 0);
    return std::any_of(faults.cbegin(), faults.cend(),
        [&error](const QString &fault) { return error.contains(fault, Qt::CaseInsensitive); });
}

void TransferWizardWindow::offerRetry()
{
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

bool TransferWizardWindow::prepareDisc(TransferRequest *request)
{
    BurnDialog dialog(this);
    if (runModal(dialog) != QDialog::Accepted) {
        end(tr("No disc was made."));
        return false;
    }
    request->burn = true;
    request->type = dialog.type();
    request->disc = dialog.disc();
    request->isoPath = dialog.isoPath();
    m_drive = dialog.drive();
    m_folder = QFileInfo(request->isoPath).absolutePath();
    const QString player = tr(TransferDevicesLibrary::deviceTypeLabel(request->type));
    m_subject = tr("a disc of %n video(s) for a %1", nullptr, int(m_files.size())).arg(player);
    m_heading->setText(tr("Making a disc of %n video(s) for a %1", nullptr, int(m_files.size())).arg(player));
    return true;
}

void TransferWizardWindow::start(const TransferRequest &request)
{
    if (m_stopped)
        return end(tr("Nothing was transferred."));
    m_request = request;
    // The sound track in the user's language wins where none is marked default.
    m_request.audioLanguage = hostSetting("Languages", "AudioLanguage");
    m_status->setText(
        m_request.burn ? tr("Disc image: %1").arg(m_request.isoPath) : tr("Destination: %1").arg(m_folder));
    m_change->setEnabled(false);
    m_engine = std::make_unique<TransferEngine>();
    connect(m_engine.get(), &TransferEngine::planned, this, &TransferWizardWindow::planned);
    connect(m_engine.get(), &TransferEngine::progressed, this, &TransferWizardWindow::progressed);
    connect(m_engine.get(), &TransferEngine::fileEnded, this, &TransferWizardWindow::fileEnded);
    connect(m_engine.get(), &TransferEngine::finished, this, &TransferWizardWindow::finished);
    QString error;
    if (!m_engine->start(m_request, &error))
        end(tr("The transfer could not start: %1").arg(error));
}

void TransferWizardWindow::planned()
{
    const QVector<TransferItem> &items = m_engine->items();
    for (int i = 0; i < items.size() && i < m_rows->topLevelItemCount(); ++i) {
        const TransferItem &item = items.at(i);
        QTreeWidgetItem *row = m_rows->topLevelItem(i);
        if (item.decision.profile) {
            row->setText(ActionColumn, actionText(item.decision.action));
            QString reason = item.decision.reason;
            if (!item.decision.notes.isEmpty())
                reason += QStringLiteral("; ") + item.decision.notes.join(QStringLiteral("; "));
            row->setText(ReasonColumn, reason);
            // The technical words behind the sentence, for who wants them.
            row->setToolTip(ReasonColumn,
                item.decision.detail.isEmpty() ? reason : reason + QLatin1Char('\n') + item.decision.detail);
        }
        if (item.state == TransferItem::Failed)
            fileEnded(i);
        else
            row->setData(FileColumn, Qt::AccessibleTextRole,
                tr("%1: %2, %3")
                    .arg(row->text(FileColumn), row->text(ActionColumn), row->text(ReasonColumn)));
    }
    m_planned = true;
}

void TransferWizardWindow::progressed(const TransferProgress &progress)
{
    // Files that fail while probing are shown once everything is planned.
    if (!m_planned)
        return;
    const int count = std::max(1, progress.count);
    const int units = count + (m_request.burn ? 1 : 0);
    double done = 0;
    if (progress.stage == TransferProgress::Imaging) {
        done = count + progress.fraction;
    } else if (progress.stage != TransferProgress::Probing) {
        done = progress.file - 1 + progress.fraction;
        QTreeWidgetItem *row = m_rows->topLevelItem(progress.file - 1);
        if (row && progress.stage <= TransferProgress::Flushing) {
            if (auto *bar = qobject_cast<QProgressBar *>(m_rows->itemWidget(row, ProgressColumn)))
                bar->setValue(int(progress.fraction * 1000));
            row->setText(SpeedColumn, speedText(progress));
            row->setText(LeftColumn, clockText(progress.secondsLeft));
            row->setData(FileColumn, Qt::AccessibleTextRole,
                tr("%1: %2, %3 percent")
                    .arg(row->text(FileColumn), row->text(ActionColumn))
                    .arg(int(progress.fraction * 100)));
        }
    }
    if (progress.stage == TransferProgress::Imaging)
        m_status->setText(tr("Making the disc image %1").arg(QFileInfo(m_request.isoPath).fileName()));
    const int value = int(std::clamp(done / units, 0.0, 1.0) * 1000);
    if (value / 10 != m_overall->value() / 10 || m_heading->text() != windowTitle())
        showState(tr("%1 % — %2").arg(value / 10).arg(m_subject));
    m_overall->setValue(value);
    if (!m_shotProgress && progress.fraction >= 0.3 && progress.stage != TransferProgress::Probing) {
        m_shotProgress = true;
        snapshot(QStringLiteral("progress"));
    }
}

void TransferWizardWindow::fileEnded(int index)
{
    QTreeWidgetItem *row = m_rows->topLevelItem(index);
    if (!row || !m_engine)
        return;
    if (!m_shotProgress && m_planned && m_engine->isRunning()) {
        m_shotProgress = true;
        snapshot(QStringLiteral("progress"));
    }
    const TransferItem &item = m_engine->items().at(index);
    auto *bar = qobject_cast<QProgressBar *>(m_rows->itemWidget(row, ProgressColumn));
    QString state;
    switch (item.state) {
    case TransferItem::Arrived:
        state = m_request.burn ? tr("On the disc") : tr("Arrived");
        if (bar)
            bar->setValue(1000);
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
    default:
        return;
    }
    if (item.state != TransferItem::Arrived && bar) {
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
    for (int i = 0; i < m_engine->items().size(); ++i)
        fileEnded(i);
    if (m_request.burn && !m_drive.isEmpty() && m_engine->allArrived() && !m_stopped)
        return burn(false);
    QStringList lines;
    int arrived = 0;
    m_retry.clear();
    for (const TransferItem &item : m_engine->items()) {
        const QString name = QFileInfo(item.source).fileName();
        if (item.state == TransferItem::Arrived && m_differing.contains(item.name)) {
            ++arrived; // into the image, which is sound
            lines << tr("✗ %1 is on the disc as %2, but differs there from the image").arg(name, item.name);
            QTreeWidgetItem *row = m_rows->topLevelItem(int(&item - m_engine->items().constData()));
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
        } else if (item.state == TransferItem::Failed) {
            lines << tr("✗ %1 failed: %2").arg(name, item.error);
            if (!m_request.burn && destinationFault(item.error, m_request.volumeLabel)
                && QFileInfo::exists(item.source))
                m_retry << item.source;
        } else {
            lines << tr("– %1 was stopped; nothing of it was left behind").arg(name);
        }
    }
    const int count = int(m_engine->items().size());
    m_succeeded = arrived == count && m_engine->runError().isEmpty() && (!m_burnTried || m_burnChecked);
    QString head;
    if (!m_engine->runError().isEmpty())
        head = tr("The disc image was not made: %1").arg(m_engine->runError());
    else if (m_request.burn && arrived == count)
        head = tr("The disc image %1 is ready.").arg(m_request.isoPath);
    else if (m_request.burn)
        head = tr("The disc image was not made.");
    else
        head = tr("%1 of %n video(s) arrived in %2.", nullptr, count).arg(arrived).arg(m_folder);
    if (!m_runNote.isEmpty())
        head += QLatin1Char(' ') + m_runNote;
    // What arrived, not what was tried: a bar full above "0 of 3" misleads.
    m_overall->setValue(count > 0 ? arrived * 1000 / count : 0);
    showState(endState(arrived, count));
    end(head + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    offerRetry();
}

// Each step is a run of xorriso of its own: a ToolRun ends once.
void TransferWizardWindow::burn(bool verify)
{
    m_status->setText(
        verify ? tr("Checking the disc in %1…").arg(m_drive) : tr("Burning the disc in %1…").arg(m_drive));
    m_burnTried = true;
    auto run = std::make_unique<ToolRun>();
    run->setKeepOutput(verify);
    connect(
        run.get(), &ToolRun::done, this, [this, verify](ToolResult result) { burnEnded(verify, result); });
    if (verify) {
        // Without -md5 on before -indev no checksums are loaded, and the check passes unmade.
        run->start(QStringLiteral("xorriso"),
            { QStringLiteral("-no_rc"), QStringLiteral("-md5"), QStringLiteral("on"),
                QStringLiteral("-indev"), m_drive, QStringLiteral("-check_md5_r"), QStringLiteral("FAILURE"),
                QStringLiteral("/"), QStringLiteral("--") });
    } else {
        run->start(QStringLiteral("xorriso"),
            { QStringLiteral("-no_rc"), QStringLiteral("-as"), QStringLiteral("cdrecord"),
                QStringLiteral("-v"), QStringLiteral("dev=") + m_drive, m_request.isoPath });
    }
    // Called from the last step's done(): that run goes once it has returned.
    if (m_burner)
        m_burner.release()->deleteLater();
    m_burner = std::move(run);
}

void TransferWizardWindow::burnEnded(bool verify, ToolResult result)
{
    if (result == ToolResult::Done && !verify && !m_stopped)
        return burn(true);
    QStringList &differing = m_differing;
    if (verify) {
        static const QRegularExpression mismatch(
            QStringLiteral("^MD5 MISMATCH: '/(.*)'$"), QRegularExpression::MultilineOption);
        for (auto it = mismatch.globalMatch(QString::fromLocal8Bit(m_burner->output())); it.hasNext();)
            differing << it.next().captured(1);
    }
    if (!differing.isEmpty()) {
        m_runNote = tr("The disc was burned, but its check failed: it differs from the image in %1.")
                        .arg(differing.join(QStringLiteral(", ")));
    } else if (result != ToolResult::Done) {
        m_runNote = verify
            ? tr("The disc was burned, but its check failed: %1").arg(m_burner->failureText(result))
            : tr("The disc was not burned: %1").arg(m_burner->failureText(result));
    } else if (!verify) {
        m_runNote = tr("The disc was burned, but not checked: the run was stopped.");
    } else if (!m_burner->output().contains("File contents and their MD5 checksums match.")) {
        m_runNote = tr("The disc was burned, but its check failed: it holds no checksums to check.");
    } else {
        m_burnChecked = true;
        m_runNote = tr("The disc in %1 was burned and checked.").arg(m_drive);
    }
    m_drive.clear();
    QMetaObject::invokeMethod(this, &TransferWizardWindow::finished, Qt::QueuedConnection);
}

QString TransferWizardWindow::endState(int arrived, int count) const
{
    const bool stopped = m_stopped
        || std::any_of(m_engine->items().cbegin(), m_engine->items().cend(),
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
    const QString progress = tr("%1 of %n video(s) arrived", nullptr, count).arg(arrived);
    if (stopped)
        return arrived > 0 ? tr("Stopped — %1").arg(progress) : tr("Stopped");
    return arrived == 0 ? tr("Nothing arrived") : progress;
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

void TransferWizardWindow::snapshot(const QString &what)
{
    // An unattended run (the player's tour) keeps pictures of the window.
    const QString folder = qEnvironmentVariable("KAVO_WIZARD_SNAPSHOTS");
    if (folder.isEmpty())
        return;
    savePicture(grab(),
        QDir(folder).filePath(
            QStringLiteral("%1-%2-%3.png")
                .arg(m_deviceId == BurnTarget ? QStringLiteral("burn") : QStringLiteral("wizard"))
                .arg(QCoreApplication::applicationPid())
                .arg(what)));
}

bool TransferWizardWindow::askStopping()
{
    QMessageBox box(QMessageBox::Question, windowTitle(),
        m_request.burn
            ? tr("Stop making the disc? Nothing of it is kept.")
            : tr("Stop the transfer? The videos that arrived stay; the one on its way is removed."),
        QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("StopTransfer"));
    QPushButton *stop = box.addButton(tr("&Stop"), QMessageBox::DestructiveRole);
    QPushButton *go = box.addButton(tr("&Go On"), QMessageBox::RejectRole);
    box.setDefaultButton(go);
    box.setEscapeButton(go);
    runModal(box);
    return box.clickedButton() == stop;
}

bool TransferWizardWindow::stop()
{
    m_stopped = true;
    m_waitTimer.stop();
    if (m_burner && m_burner->isRunning())
        m_burner->cancel();
    else if (m_engine && m_engine->isRunning())
        m_engine->cancel();
    else
        return false;
    return true;
}

void TransferWizardWindow::reject()
{
    if (m_waitTimer.isActive())
        return end(tr("Nothing was transferred."));
    if (!isRunning())
        return QDialog::reject();
    if (!askStopping() || !isRunning())
        return;
    if (m_burner && m_burner->isRunning())
        m_burner->cancel();
    else
        m_engine->cancel();
}

void TransferWizardWindow::closeEvent(QCloseEvent *event)
{
    if (!isRunning()) {
        m_waitTimer.stop();
        event->accept();
        return;
    }
    event->ignore();
    reject();
}

} // namespace Zarnet
