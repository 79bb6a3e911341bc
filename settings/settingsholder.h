#pragma once

#include "ipc/refcountedptr.h"
#include "settings/ikavosettings.h"

#include <string>

namespace kvds {

// The settings client of one program unit: the component's key
// "Settings/<component id>" opened in CreateUserOpenMachine mode, kept until
// Release. Units keep their own holder, so the same key may be open through
// two objects at once. A unit keeps it in a function-local static, whose
// destructor releases a holder still set at unload:
//
//     static kvds::SettingsHolder &unitSettings()
//     {
//         static kvds::SettingsHolder holder(&Zarnet::OSUtilities::getComponentIdUTF8);
//         return holder;
//     }
//
//     unitSettings().EnsureSettings();                      // when set up
//     bool ask = unitSettings().ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions");
//     unitSettings().WriteBoolSetting("General", "TransferDevicesConfirmDeletions", false);
//     unitSettings().Release();                             // when torn down
class SettingsHolder
{
public:
    using ComponentIdFunction = std::string (*)();

    explicit SettingsHolder(ComponentIdFunction componentId)
        : m_componentId(componentId)
    {
    }
    SettingsHolder(const SettingsHolder &) = delete;
    SettingsHolder &operator=(const SettingsHolder &) = delete;

    // Opens the component key when the holder is empty; a failure leaves it
    // empty and the next call tries again. True when the holder is set.
    bool EnsureSettings();
    // The default when the holder, the section or the value cannot be had,
    // or the value is not a 4-byte REG_DWORD.
    bool ReadBoolSetting(bool defaultValue, const std::string &section, const std::string &key);
    bool WriteBoolSetting(const std::string &section, const std::string &key, bool value);

    void Release() { m_holder.reset(); }
    IKavoSettings *Settings() const { return m_holder.get(); }

private:
    ComponentIdFunction m_componentId;
    kvtl::RefCountedPtr_STLSafe<IKavoSettings> m_holder;
};

} // namespace kvds
