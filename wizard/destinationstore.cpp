#include "wizard/destinationstore.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "zrt/osutilities.h"

namespace Zarnet {

namespace {
using Settings = kvtl::RefCountedPtr<kvds::IKavoSettings>;

bool openKey(unsigned deviceId, Settings &key)
{
    Settings component;
    if (!kvds::CreateSettings(
            "Settings/" + OSUtilities::getComponentIdUTF8(), kvds::CreateUserOpenMachine, &component))
        return false;
    return component->OpenChild("TransferWizard/Destinations/" + std::to_string(deviceId), &key);
}

QString text(kvds::IKavoSettings *key, const char *name)
{
    std::string value;
    return key->GetString(std::string(name), value) ? QString::fromStdString(value) : QString();
}

bool setText(kvds::IKavoSettings *key, const char *name, const QString &value)
{
    return key->SetString(std::string(name), value.toStdString());
}
} // namespace

bool DestinationStore::load(unsigned deviceId, const QString &name, int type, Destination *out)
{
    Settings key;
    if (!openKey(deviceId, key))
        return false;
    int32_t storedType = -1;
    if (!key->GetInt(std::string("DeviceType"), storedType) || storedType != type
        || text(key.get(), "DeviceName") != name)
        return false;
    const QString kind = text(key.get(), "Kind");
    Destination destination;
    destination.kind = kind == QLatin1String("folder") ? Destination::Folder
        : kind == QLatin1String("volume")              ? Destination::Volume
                                                       : Destination::None;
    destination.path = text(key.get(), "Path");
    destination.uuid = text(key.get(), "Uuid");
    destination.label = text(key.get(), "Label");
    if (destination.kind == Destination::None
        || (destination.kind == Destination::Volume && destination.uuid.isEmpty()))
        return false;
    *out = destination;
    return true;
}

bool DestinationStore::save(unsigned deviceId, const QString &name, int type, const Destination &destination)
{
    Settings key;
    if (destination.kind == Destination::None || !openKey(deviceId, key))
        return false;
    const QString kind
        = destination.kind == Destination::Folder ? QStringLiteral("folder") : QStringLiteral("volume");
    return key->SetInt(std::string("DeviceType"), type) && setText(key.get(), "DeviceName", name)
        && setText(key.get(), "Kind", kind) && setText(key.get(), "Path", destination.path)
        && setText(key.get(), "Uuid", destination.uuid) && setText(key.get(), "Label", destination.label);
}

bool DestinationStore::forget(unsigned deviceId)
{
    Settings key;
    return openKey(deviceId, key) && key->DeleteKey();
}

} // namespace Zarnet
