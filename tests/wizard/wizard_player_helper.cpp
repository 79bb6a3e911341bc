// Stands for a player that hands files to the wizard and quits at once:
// wizard_player_helper DEVICE_ID FILE...
#include "zrt/transferwizard.h"

#include <QCoreApplication>
#include <QUrl>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    const unsigned id = arguments.takeFirst().toUInt();
    QList<QUrl> urls;
    for (const QString &file : arguments)
        urls << QUrl::fromLocalFile(file);
    return Zarnet::TransferWizard::transferFiles(urls, QString(), id);
}
