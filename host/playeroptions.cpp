#include "host/playeroptions.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "zrt/osutilities.h"

#include <QCommandLineParser>
#include <QDir>

QString PlayerOptions::defaultPluginPath(const QString &programDir)
{
    return QDir::cleanPath(programDir + QStringLiteral("/../lib/libdevicepane.so"));
}

bool PlayerOptions::publishMediaFolder(const QString &folder)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    return !folder.isEmpty()
        && kvds::CreateSettings("Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/General",
            kvds::CreateUserOpenMachine, &general)
        && general->SetString(std::string("MediaFolder"), QDir(folder).absolutePath().toStdString());
}

QString PlayerOptions::audioLanguage()
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> languages;
    std::string value;
    if (!kvds::CreateSettings("Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/Languages",
            kvds::CreateUserOpenMachine, &languages)
        || !languages->GetString(std::string("AudioLanguage"), value))
        return {};
    return QString::fromStdString(value).trimmed();
}

bool PlayerOptions::parse(const QStringList &arguments, const QString &programDir, PlayerOptions *out,
    QString *message, int *exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kavo Player: plays your videos and sends them to your devices."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"),
        QStringLiteral("Load the Kavo To Go plug-in from <path> (else KAVO_PLUGIN, "
                       "else ../lib/libdevicepane.so beside the program)."),
        QStringLiteral("path"));
    const QCommandLineOption media(QStringLiteral("media"),
        QStringLiteral("Show the videos of <dir> (else your Videos folder)."), QStringLiteral("dir"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
        QStringLiteral("Quit <ms> milliseconds after starting."), QStringLiteral("ms"));
    const QCommandLineOption tour(QStringLiteral("tour"),
        QStringLiteral("Run the scripted tour, printing each step and writing "
                       "screenshots to <dir>; a fresh profile is kept in <dir>/profile."),
        QStringLiteral("dir"));
    const QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Play the first video at once."));
    parser.addOptions({ plugin, media, quitAfter, tour, play });

    *exitCode = 2;
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        *message = parser.helpText();
        *exitCode = 0;
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    PlayerOptions options;
    if (parser.isSet(plugin))
        options.pluginPath = parser.value(plugin);
    else if (!qEnvironmentVariableIsEmpty("KAVO_PLUGIN"))
        options.pluginPath = qEnvironmentVariable("KAVO_PLUGIN");
    else
        options.pluginPath = defaultPluginPath(programDir);
    if (options.pluginPath.isEmpty()) {
        *message = QStringLiteral("--plugin needs a path");
        return false;
    }
    options.mediaFolder = parser.value(media);
    options.playFirst = parser.isSet(play);
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0) {
            *message = QStringLiteral("--quit-after needs a number of milliseconds, not \"%1\"")
                           .arg(parser.value(quitAfter));
            return false;
        }
        options.quitAfterMs = ms;
    }
    if (parser.isSet(tour)) {
        options.tourDir = parser.value(tour);
        if (options.tourDir.isEmpty()) {
            *message = QStringLiteral("--tour needs a folder");
            return false;
        }
    }
    *out = options;
    *exitCode = 0;
    return true;
}
