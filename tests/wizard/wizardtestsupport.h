#pragma once

#include <QString>
#include <QStringList>

// What the wizard's tests share: the files a folder holds (hidden parts
// included) and an ffmpeg that writes a little, then hangs until stopped.
QStringList folderEntries(const QString &folder);
QString hangingFfmpeg(const QString &folder);
