#include "tests/wizard/wizardtestsupport.h"

#include <QDir>
#include <QFile>

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QString hangingFfmpeg(const QString &folder)
{
    const QString path = folder + QStringLiteral("/hanging-ffmpeg");
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nfor a; do out=$a; done\nhead -c 65536 /dev/zero > \"$out\"\n"
                 "echo 'progress=continue'\nexec sleep 60\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
