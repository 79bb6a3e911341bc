// A disc: what it is for, then burning the image and checking what was burned.
#include "wizard/transferwizardwindow.h"

#include "devices/devicetype.h"
#include "transfer/toolrun.h"
#include "transfer/transferengine.h"
#include "wizard/burndialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>

namespace Zarnet {

namespace {
// tr() takes the device type labels from the type table; marked here for lupdate.
[[maybe_unused]] constexpr const char *typeLabels[] = {
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::TransferWizardWindow", "PlayStation®3"),
};
} // namespace

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

} // namespace Zarnet
