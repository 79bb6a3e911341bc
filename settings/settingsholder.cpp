#include "settings/settingsholder.h"

#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"

namespace kvds {

bool SettingsHolder::EnsureSettings()
{
    if (m_holder)
        return true;
    if (!m_componentId)
        return false;
    kvtl::RefCountedPtr<IKavoSettings> opened;
    if (!CreateSettings("Settings/" + m_componentId(), CreateUserOpenMachine, &opened))
        return false;
    m_holder = opened.get();
    return true;
}

bool SettingsHolder::ReadBoolSetting(bool defaultValue, const std::string &section, const std::string &key)
{
    if (!EnsureSettings())
        return defaultValue;
    bool result = defaultValue;
    kvtl::RefCountedPtr<IKavoSettings> child;
    if (m_holder->OpenChild(section, &child))
        child->GetBool(key, result);
    return result;
}

bool SettingsHolder::WriteBoolSetting(const std::string &section, const std::string &key, bool value)
{
    if (!EnsureSettings())
        return false;
    kvtl::RefCountedPtr<IKavoSettings> child;
    if (!m_holder->OpenChild(section, &child))
        return false;
    return child->SetBool(key, value);
}

} // namespace kvds
