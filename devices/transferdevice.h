#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedptr.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>

namespace TransferDevicesLibrary {

// One row of the device table held in memory. It reads and writes its row
// through the store and announces each successful write with a notice
// ("Device/Create", "Device/Change"). Texts are UTF-8.
class TransferDevice
{
public:
    TransferDevice(unsigned deviceId, const std::string &componentId, kvds::IKavoIPC *ipc);
    virtual ~TransferDevice();
    TransferDevice(const TransferDevice &) = delete;
    TransferDevice &operator=(const TransferDevice &) = delete;

    unsigned deviceId() const { return m_deviceId; }
    std::string name() const { return m_name; }
    int type() const { return m_type; }
    bool hasBeenConfigured() const { return m_hasBeenConfigured; }
    // True while the store is open for reading only: no change can be written.
    bool isReadOnly() const;

    // Carried without meaning; a type change resets them.
    int profile() const { return m_profile; }
    int lastUsedMethod() const { return m_lastUsedMethod; }
    int lumoRegistrationState() const { return m_lumoRegistrationState; }
    bool promptForLumoRegistration() const { return m_promptForLumoRegistration; }
    unsigned dataRateOfLastUsedDrive() const { return m_dataRateOfLastUsedDrive; }
    std::string lastUsedDriveName() const { return m_lastUsedDriveName; }

    bool load();
    bool reload();
    // Writes the whole row (inserting it if missing), then "Device/Create".
    bool save(int type, const std::string &name);
    // Writes one column of the row, then "Device/Change". Only the device
    // table's own columns are accepted.
    bool updateField(const QString &column, const QVariant &value);
    bool updateTextField(const QString &column, const std::string &text);
    void setName(std::string name);
    void setType(int type);
    void markConfigured();
    bool sendNotice(const std::string &noticeName);

private:
    friend class TransferDevices;
    // The row write of save(); isNew skips the lookup for an id the store
    // has just taken under its write lock.
    bool writeRow(int type, const std::string &name, bool isNew);

    std::string m_name;
    int m_type = 0;
    int m_profile = 0;
    uint32_t m_deviceId = 0;
    int m_lastUsedMethod = 0;
    int m_lumoRegistrationState = 0;
    bool m_hasBeenConfigured = false;
    bool m_promptForLumoRegistration = true;
    uint32_t m_dataRateOfLastUsedDrive = 0;
    std::string m_lastUsedDriveName;
    std::string m_componentId;
    kvtl::RefCountedPtr<kvds::IKavoIPC> m_ipc;
};

} // namespace TransferDevicesLibrary
