#include "wizard/burndialog.h"

#include "devices/devicetype.h"
#include "transfer/toolrun.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace Zarnet {

namespace {
// The type list comes from the type table; marked here for lupdate.
[[maybe_unused]] constexpr const char *typeLabels[] = {
    QT_TRANSLATE_NOOP("Zarnet::BurnDialog", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::BurnDialog", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::BurnDialog", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::BurnDialog", "PlayStation®3"),
};
} // namespace

BurnDialog::BurnDialog(QWidget *parent)
    : QDialog(parent)
    , m_type(new QComboBox(this))
    , m_disc(new QComboBox(this))
    , m_drive(new QComboBox(this))
    , m_iso(new QLineEdit(this))
{
    setObjectName(QStringLiteral("BurnToDisc"));
    setWindowTitle(tr("Burn to Disc"));
    for (const auto &info : TransferDevicesLibrary::TransferDeviceTypes)
        m_type->addItem(tr(info.label), info.code);
    m_type->setCurrentIndex(m_type->findData(int(TransferDevicesLibrary::DVDPlayer)));
    m_disc->addItem(tr("CD (700 MB)"), int(DiscSize::Cd));
    m_disc->addItem(tr("DVD (4.7 GB)"), int(DiscSize::Dvd));
    m_disc->addItem(tr("DVD dual layer (8.5 GB)"), int(DiscSize::DvdDual));
    m_disc->addItem(tr("Blu-ray (25 GB)"), int(DiscSize::BluRay));
    m_disc->setCurrentIndex(1);
    m_drive->addItem(tr("None: keep the disc image only"), QString());
    m_drive->setEnabled(false);

    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty() || !QFileInfo(videos).isDir())
        videos = QDir::homePath();
    m_iso->setObjectName(QStringLiteral("DiscImagePath"));
    setIsoPath(QDir(videos).filePath(tr("Kavo Disc.iso")));
    auto *browse = new QPushButton(tr("Browse\u2026"), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Save the disc image"), m_iso->text(), tr("Disc images (*.iso)"));
        if (!path.isEmpty())
            setIsoPath(path);
    });
    auto *isoField = new QWidget(this);
    auto *isoRow = new QHBoxLayout(isoField);
    isoRow->setContentsMargins(0, 0, 0, 0);
    isoRow->addWidget(m_iso, 1);
    isoRow->addWidget(browse);

    auto *form = new QFormLayout(this);
    form->addRow(tr("The disc is for a &player:"), m_type);
    form->addRow(tr("Disc &size:"), m_disc);
    form->addRow(tr("Disc &image:"), isoField);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(isoField)))
        label->setBuddy(m_iso);
    form->addRow(tr("&Burn in drive:"), m_drive);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Make Disc"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    listDrives();
}

BurnDialog::~BurnDialog()
{
    delete m_devices; // stops a search still running
}

void BurnDialog::listDrives()
{
    if (ToolRun::programPath(QStringLiteral("xorriso")).isEmpty())
        return;
    m_devices = new ToolRun;
    m_devices->setKeepOutput(true);
    connect(m_devices, &ToolRun::done, this, [this](ToolResult result) {
        if (result != ToolResult::Done)
            return;
        // "0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'"
        static const QRegularExpression line(QStringLiteral("-dev '([^']+)'[^:]*:\\s*(.*)"));
        auto it = line.globalMatch(QString::fromLocal8Bit(m_devices->output()));
        while (it.hasNext()) {
            const auto match = it.next();
            addDrive(match.captured(1), match.captured(2).remove(QLatin1Char('\'')).simplified());
        }
    });
    m_devices->start(QStringLiteral("xorriso"), { QStringLiteral("-devices") });
}

void BurnDialog::addDrive(const QString &address, const QString &model)
{
    m_drive->addItem(QStringLiteral("%1 (%2)").arg(model, address), address);
    m_drive->setEnabled(true);
    if (m_drive->currentIndex() == 0)
        m_drive->setCurrentIndex(m_drive->count() - 1);
}

int BurnDialog::type() const
{
    return m_type->currentData().toInt();
}

DiscSize BurnDialog::disc() const
{
    return DiscSize(m_disc->currentData().toInt());
}

QString BurnDialog::isoPath() const
{
    return QFileInfo(m_iso->text()).absoluteFilePath();
}

void BurnDialog::setIsoPath(const QString &path)
{
    m_iso->setText(path);
    // Wide enough to read the whole path, within reason for a screen.
    const int wanted
        = m_iso->fontMetrics().horizontalAdvance(path) + 3 * m_iso->fontMetrics().averageCharWidth();
    m_iso->setMinimumWidth(std::clamp(wanted, 24 * m_iso->fontMetrics().averageCharWidth(), 640));
    m_iso->setToolTip(path);
    m_iso->setCursorPosition(0);
}

QString BurnDialog::drive() const
{
    return m_drive->currentData().toString();
}

} // namespace Zarnet
