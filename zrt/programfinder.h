#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace Zarnet {

// How each of our programs finds another one. Inline so that the Qt-Core
// transfer engine and the player library share it without either linking
// the other.
class ProgramFinder
{
public:
    // The path in variable when it is set; one that names no executable file
    // is "not found" rather than a reason to look elsewhere. Else name beside
    // the running program, else on PATH. Empty when none is found.
    static QString find(const char *variable, const QString &name)
    {
        const QString fromEnv = qEnvironmentVariable(variable);
        if (!fromEnv.isEmpty())
            return isProgram(fromEnv) ? fromEnv : QString();
        if (QCoreApplication::instance()) {
            const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
            if (isProgram(beside))
                return beside;
        }
        return QStandardPaths::findExecutable(name);
    }

private:
    static bool isProgram(const QString &path)
    {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable();
    }
};

} // namespace Zarnet
