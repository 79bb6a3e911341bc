#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// A command's exit code (-1 when it did not end in time or crashed) and
// its output, standard error included. Shared by the media server's
// network tests and its benchmark.
inline int runCommand(const QStringList &command, QByteArray *output = nullptr, int timeoutMs = 10000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
