#include "mediaserver/sharingsettings.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "zrt/osutilities.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

using Settings = kvtl::RefCountedPtr<kvds::IKavoSettings>;

const std::string OwnSection = "KavoMediaServer";

// Our own section is made when missing; the player's is only read.
bool openSection(const std::string &section, Settings &key)
{
    const kvds::SettingsAccessMode mode
        = section == OwnSection ? kvds::CreateUserOpenMachine : kvds::ReadUserAndMachine;
    return kvds::CreateSettings(
        "Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/" + section, mode, &key);
}

} // namespace

bool SharingSettings::sharing()
{
    Settings key;
    bool on = false;
    if (openSection(OwnSection, key))
        key->GetBool(std::string("Sharing"), on);
    return on;
}

bool SharingSettings::setSharing(bool on)
{
    Settings key;
    return openSection(OwnSection, key) && key->SetBool(std::string("Sharing"), on);
}

QString SharingSettings::name()
{
    Settings key;
    std::string value;
    if (openSection(OwnSection, key))
        key->GetString(std::string("Name"), value);
    return QString::fromStdString(value).trimmed();
}

bool SharingSettings::setName(const QString &name)
{
    Settings key;
    return openSection(OwnSection, key) && key->SetString(std::string("Name"), name.trimmed().toStdString());
}

QString SharingSettings::defaultName()
{
    QString user;
    if (const passwd *entry = getpwuid(getuid()))
        user = QString::fromLocal8Bit(entry->pw_name);
    if (user.isEmpty())
        user = qEnvironmentVariable("USER");
    return QCoreApplication::translate("SharingSettings", "%1 on %2").arg(user, QSysInfo::machineHostName());
}

QString SharingSettings::mediaFolder()
{
    Settings key;
    std::string value;
    if (openSection("General", key))
        key->GetString(std::string("MediaFolder"), value);
    return QString::fromStdString(value);
}

QString SharingSettings::lastRenderer()
{
    Settings key;
    std::string value;
    if (openSection(OwnSection, key))
        key->GetString(std::string("LastRenderer"), value);
    return QString::fromStdString(value);
}

bool SharingSettings::setLastRenderer(const QString &udn)
{
    Settings key;
    return openSection(OwnSection, key) && key->SetString(std::string("LastRenderer"), udn.toStdString());
}
