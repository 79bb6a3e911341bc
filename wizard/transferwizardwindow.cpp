#include "wizard/transferwizardwindow.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "transfer/toolrun.h"
#include "transfer/transferengine.h"
#include "wizard/burndialog.h"
#include "wizard/destinationdialog.h"
#include "wizard/removablevolumes.h"
#include "zrt/osutilities.h"

#include <QCloseEvent>
#include <QCoreApplication>
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
#include <QSaveFile>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

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
    , m_sendAgain(new QPushButton(tr("&Send Again"), this))
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
    m_rows->setColumnWidth(ProgressColumn, 150); // "Already on the device" on one line
    m_rows->setColumnWidth(SpeedColumn, 110);
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
    // Where the videos go can be changed until the first of them is there.
    m_change->setObjectName(QStringLiteral("ChangeDestination"));
    m_change->setAccessibleName(tr("Change the destination"));
    m_change->setAutoDefault(false);
    m_change->setVisible(deviceId != BurnTarget);
    connect(m_change, &QPushButton::clicked, this, &TransferWizardWindow::changeDestination);
    buttons->addWidget(m_change);
    buttons->addStretch(1);
    for (QPushButton *retry : { m_sendAgain, m_chooseAnother, m_tryAgain }) {
        retry->setAutoDefault(false);
        retry->hide();
        buttons->addWidget(retry);
    }
    m_chooseAnother->setObjectName(QStringLiteral("ChooseAnotherFolder"));
    connect(m_chooseAnother, &QPushButton::clicked, this, &TransferWizardWindow::changeDestination);
    m_tryAgain->setObjectName(QStringLiteral("TryAgain"));
    connect(m_tryAgain, &QPushButton::clicked, this, [this] { runAgain(m_retry); });
    m_sendAgain->setObjectName(QStringLiteral("SendAgain"));
    m_sendAgain->setAccessibleName(tr("Send again what is already on the device"));
    connect(m_sendAgain, &QPushButton::clicked, this, [this] {
        m_request.sendAgain = true;
        runAgain(m_alreadyThere);
    });
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

const QVector<TransferItem> &TransferWizardWindow::items() const
{
    static const QVector<TransferItem> none;
    return m_engine ? m_engine->items() : none;
}

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

void TransferWizardWindow::start(const TransferRequest &request)
{
    if (m_stopped)
        return end(tr("Nothing was transferred."));
    m_request = request;
    // The sound track in the user's language wins where none is marked default.
    m_request.audioLanguage = hostSetting("Languages", "AudioLanguage");
    m_request.subtitleLanguage = hostSetting("Languages", "SubtitleLanguage");
    m_status->setText(
        m_request.burn ? tr("Disc image: %1").arg(m_request.isoPath) : tr("Destination: %1").arg(m_folder));
    m_change->setEnabled(!m_request.burn);
    // Started again from the last engine's own finished(): it goes once that returned.
    if (m_engine) {
        m_engine->disconnect(this);
        m_engine.release()->deleteLater();
    }
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
    for (int i = 0; i < items().size() && i < m_rows->topLevelItemCount(); ++i) {
        const TransferItem &item = items().at(i);
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
        if (item.state == TransferItem::Failed || item.state == TransferItem::AlreadyThere)
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
    m_restarting = false;
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
    m_restarting = false;
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
