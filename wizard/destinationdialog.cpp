#include "wizard/destinationdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <sys/statvfs.h>

namespace Zarnet {

DestinationDialog::DestinationDialog(const QString &deviceName, const QString &note, QWidget *parent)
    : QDialog(parent)
    , m_mounted(RemovableVolumes::mounted())
    , m_volumes(new QListWidget(this))
    , m_folder(new QLineEdit(this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("TransferDestination"));
    setWindowTitle(tr("Where do the videos for %1 go?").arg(deviceName));
    auto *layout = new QVBoxLayout(this);
    if (!note.isEmpty()) {
        auto *noteLabel = new QLabel(note, this);
        noteLabel->setWordWrap(true);
        layout->addWidget(noteLabel);
    }
    auto *intro = new QLabel(m_mounted.isEmpty()
            ? tr("No USB stick or memory card is plugged in. Plug one in, or choose a folder.")
            : tr("Choose the USB stick or memory card the device plays from, or a folder."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_volumes->setAccessibleName(tr("Removable drives"));
    for (const RemovableVolumes::Volume &volume : m_mounted) {
        auto *item = new QListWidgetItem(
            tr("%1 (%2, %3 free)")
                .arg(volume.label, volume.root, QLocale().formattedDataSize(volume.bytesFree)),
            m_volumes);
        item->setData(Qt::AccessibleTextRole, item->text());
    }
    m_volumes->setVisible(!m_mounted.isEmpty());
    connect(m_volumes, &QListWidget::currentRowChanged, this, &DestinationDialog::volumeChosen);
    layout->addWidget(m_volumes);

    auto *row = new QHBoxLayout;
    auto *folderLabel = new QLabel(tr("&Folder:"), this);
    folderLabel->setBuddy(m_folder);
    m_folder->setObjectName(QStringLiteral("DestinationFolder"));
    row->addWidget(folderLabel);
    row->addWidget(m_folder, 1);
    auto *choose = new QPushButton(tr("Choose folder\u2026"), this);
    connect(choose, &QPushButton::clicked, this, &DestinationDialog::chooseFolder);
    row->addWidget(choose);
    layout->addLayout(row);
    m_problem->setObjectName(QStringLiteral("DestinationProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b3261e"));
    m_problem->hide();
    layout->addWidget(m_problem);
    connect(m_folder, &QLineEdit::textEdited, m_problem, &QLabel::hide);
    layout->addStretch(1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("&Transfer"));
    ok->setEnabled(false);
    connect(m_folder, &QLineEdit::textChanged, ok,
        [ok](const QString &text) { ok->setEnabled(QFileInfo(text).isDir()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!m_mounted.isEmpty())
        m_volumes->setCurrentRow(0);
    resize(480, m_mounted.isEmpty() ? sizeHint().height() : 300);
}

void DestinationDialog::setFolder(const QString &folder)
{
    m_folder->setText(QDir::cleanPath(folder));
    const QString problem = writeProblem(m_folder->text());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

QString DestinationDialog::problemShown() const
{
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void DestinationDialog::accept()
{
    // Refused here, with the reason, rather than remembered and failing
    // every transfer to this device from then on.
    const QString problem = writeProblem(m_folder->text());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        QDialog::accept();
}

QString DestinationDialog::writeProblem(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return tr("There is no folder %1.").arg(folder);
    struct statvfs fs;
    if (statvfs(QFile::encodeName(folder).constData(), &fs) == 0) {
        if (fs.f_flag & ST_RDONLY)
            return tr("%1 is on a drive that can only be read. Choose another folder.").arg(folder);
        if (fs.f_bavail == 0)
            return tr("The drive of %1 is full. Choose another folder, or make room.").arg(folder);
    }
    // Permissions, ACLs, a drive that refuses writes: trying tells.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kavo-write-check-XXXXXX")));
    if (!probe.open())
        return tr("%1 cannot be written: %2").arg(folder, probe.errorString());
    return {};
}

void DestinationDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose folder"), m_folder->text());
    if (!folder.isEmpty())
        setFolder(folder);
}

void DestinationDialog::volumeChosen()
{
    const int row = m_volumes->currentRow();
    if (row >= 0 && row < m_mounted.size())
        setFolder(m_mounted.at(row).root);
}

DestinationStore::Destination DestinationDialog::destination() const
{
    if (m_folder->text().isEmpty())
        return {};
    return destinationOf(m_folder->text());
}

DestinationStore::Destination DestinationDialog::destinationOf(const QString &path)
{
    DestinationStore::Destination destination;
    const QString folder = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        return destination;
    // A folder on a stick is remembered on the stick, wherever it is mounted next.
    RemovableVolumes::Volume volume;
    if (RemovableVolumes::volumeOf(folder, &volume)) {
        destination.kind = DestinationStore::Destination::Volume;
        destination.uuid = volume.uuid;
        destination.label = volume.label;
        destination.path = QDir(volume.root).relativeFilePath(folder);
        return destination;
    }
    destination.kind = DestinationStore::Destination::Folder;
    destination.path = folder;
    return destination;
}

} // namespace Zarnet
