#pragma once

#include <QString>
#include <QStringList>

// What the player was started with.
class PlayerOptions
{
public:
    // --plugin, else KAVO_PLUGIN, else <dir of the program>/../lib/libdevicepane.so.
    QString pluginPath;
    // --media; empty means the user's videos folder.
    QString mediaFolder;
    // --quit-after: close this many milliseconds after start; -1 never.
    int quitAfterMs = -1;
    // --play: start the first video of the folder at once.
    bool playFirst = false;
    // --tour: run the scripted tour and write its pictures here.
    QString tourDir;

    // False with a message for the user; --help and --version also end in
    // false with their text and an exit code of 0.
    static bool parse(const QStringList &arguments, const QString &programDir, PlayerOptions *out,
        QString *message, int *exitCode);
    static QString defaultPluginPath(const QString &programDir);
    // Tells the player's other programs (the transfer wizard's file chooser)
    // which folder the library shows: General/MediaFolder, an absolute path.
    static bool publishMediaFolder(const QString &folder);
    // The host's Languages/AudioLanguage: the ISO 639 code of the audio track
    // to play when a file has several; empty for none.
    static QString audioLanguage();
};
