#include "zrt/transferwizard.h"

#include "zrt/programfinder.h"
#include "zrt/transferwizarddialog.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace Zarnet {

namespace {
TransferWizard::Hook &hook()
{
    static TransferWizard::Hook h;
    return h;
}

void appendToLog(const QList<QUrl> &urls, unsigned deviceId)
{
    const QString path = qEnvironmentVariable("KAVO_TRANSFER_LOG");
    if (path.isEmpty())
        return;
    QFile log(path);
    if (!log.open(QIODevice::Append | QIODevice::Text))
        return;
    QStringList fields { QString::number(deviceId) };
    for (const QUrl &url : urls)
        fields << TransferWizard::urlText(url);
    log.write(fields.join(QLatin1Char('\t')).toUtf8() + '\n');
}
} // namespace

QString TransferWizard::programPath()
{
    return ProgramFinder::find("KAVO_TRANSFER_TOOL", QStringLiteral("kavo-transfer"));
}

QString TransferWizard::urlText(const QUrl &url)
{
    // Qt 6 refuses the '_' in "kavo_playlist_item:" and keeps the text of
    // such a URL in its path.
    return url.isValid() ? url.toString() : url.path();
}

void TransferWizard::setHook(Hook h)
{
    hook() = std::move(h);
}

int TransferWizard::transferFiles(const QList<QUrl> &urls, const QString &text, unsigned deviceId)
{
    if (hook())
        return hook()(urls, text, deviceId);
    appendToLog(urls, deviceId);
    // Its own process: the wizard opens the device store with a handle of its
    // own, a converter or wizard that dies takes nothing of ours with it, and
    // the transfer goes on when the player is closed.
    const QString program = programPath();
    if (!program.isEmpty()) {
        QStringList arguments { QStringLiteral("--wizard"), QStringLiteral("--device"),
            QString::number(deviceId), QStringLiteral("--") };
        for (const QUrl &url : urls)
            arguments << (url.isLocalFile() ? url.toLocalFile() : urlText(url));
        QProcess wizard;
        wizard.setProgram(program);
        wizard.setArguments(arguments);
        wizard.setStandardInputFile(QProcess::nullDevice());
        if (wizard.startDetached())
            return 0;
    }
    auto *dialog = new TransferWizardDialog(urls, deviceId);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return 0;
}

} // namespace Zarnet
