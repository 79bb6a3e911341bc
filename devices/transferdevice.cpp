#include "devices/transferdevice.h"

#include "devices/transferdevicenotice.h"
#include "devices/transferdevices.h"
#include "devices/transferdevicesdata.h"
#include "devices/utf8text.h"
#include "devices/writetransaction.h"

#include <QMutexLocker>

namespace TransferDevicesLibrary {

namespace {

const char LoadStatement[]
    = "SELECT name AS name, has_been_configured AS has_been_configured,"
      "       type AS type, profile AS profile, last_used_method AS last_used_method,"
      "       lumo_registration_state AS lumo_registration_state,"
      "       prompt_for_lumo_registration AS prompt_for_lumo_registration,"
      "       data_rate_of_last_used_drive AS data_rate_of_last_used_drive,"
      "       last_used_drive_name AS last_used_drive_name  FROM device WHERE device_id = :ID";

const char LookupStatement[] = "SELECT name FROM device WHERE device_id = :ID";

const char UpdateStatement[] = "UPDATE device   SET name = :NAME, has_been_configured = :CONF,"
                               "       type = :TYPE, profile = :PROFILE, last_used_method = :METHOD,"
                               "       lumo_registration_state = :LUMOSTATE,"
                               "       prompt_for_lumo_registration = :LUMOPROMPT,"
                               "       data_rate_of_last_used_drive = :DATARATE,"
                               "       last_used_drive_name = :DRIVENAME WHERE device_id = :ID";

const char InsertStatement[]
    = "INSERT INTO device (device_id, name, has_been_configured,"
      "                    type, profile, last_used_method,"
      "                    lumo_registration_state, prompt_for_lumo_registration,"
      "                    data_rate_of_last_used_drive,"
      "                    last_used_drive_name) VALUES (:ID, :NAME, :CONF, :TYPE, :PROFILE, :METHOD,"
      "         :LUMOSTATE, :LUMOPROMPT, :DATARATE, :DRIVENAME)";

const char FieldStatement[] = "UPDATE device   SET %1 = :VALUE WHERE device_id = :ID";

const char TypeStatement[] = "UPDATE device   SET type = :TYPE, profile = :PROFILE,"
                             "       last_used_method = :METHOD,"
                             "       last_used_drive_name = :DRIVENAME,"
                             "       lumo_registration_state = :LUMOSTATE,"
                             "       prompt_for_lumo_registration = :LUMOPROMPT WHERE device_id = :ID";

// The column name becomes part of the statement text, so only the device
// table's own value columns are let through.
bool isValueColumn(const QString &column)
{
    static const char *const columns[] = {
        "name",
        "has_been_configured",
        "type",
        "profile",
        "last_used_method",
        "lumo_registration_state",
        "prompt_for_lumo_registration",
        "data_rate_of_last_used_drive",
        "last_used_drive_name",
    };
    for (const char *known : columns)
        if (column == QLatin1String(known))
            return true;
    return false;
}

// Integers are written as unsigned 32-bit values and read back signed.
QVariant asStored(int value)
{
    return QVariant(static_cast<uint>(value));
}

int readInt(const QVariant &value)
{
    return static_cast<int>(static_cast<uint32_t>(value.toLongLong()));
}

std::string readText(const QVariant &value)
{
    return value.toString().toUtf8().toStdString();
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TransferDevice::TransferDevice(unsigned deviceId, const std::string &componentId, kvds::IKavoIPC *ipc)
    : m_deviceId(deviceId)
    , m_componentId(componentId)
    , m_ipc(ipc)
{
}

TransferDevice::~TransferDevice() = default;

bool TransferDevice::isReadOnly() const
{
    const TransferDevicesData *data = TransferDevices::openState();
    return data && data->readOnly;
}

bool TransferDevice::load()
{
    TransferDevicesData *data = TransferDevices::openState();
    if (!data)
        return false;
    QMutexLocker lock(&data->mutex);
    PreparedStatements::Use query = data->statement(LoadStatement);
    if (!query)
        return false;
    query->bindValue(QStringLiteral(":ID"), m_deviceId);
    if (!query->exec() || !query->next())
        return false;
    m_name = readText(query->value(QStringLiteral("name")));
    m_hasBeenConfigured = query->value(QStringLiteral("has_been_configured")).toBool();
    m_type = readInt(query->value(QStringLiteral("type")));
    m_profile = readInt(query->value(QStringLiteral("profile")));
    m_lastUsedMethod = readInt(query->value(QStringLiteral("last_used_method")));
    m_lumoRegistrationState = readInt(query->value(QStringLiteral("lumo_registration_state")));
    m_promptForLumoRegistration = query->value(QStringLiteral("prompt_for_lumo_registration")).toBool();
    m_dataRateOfLastUsedDrive
        = static_cast<uint32_t>(query->value(QStringLiteral("data_rate_of_last_used_drive")).toLongLong());
    m_lastUsedDriveName = readText(query->value(QStringLiteral("last_used_drive_name")));
    return true;
}

bool TransferDevice::reload()
{
    return load();
}

bool TransferDevice::save(int type, const std::string &name)
{
    TransferDevicesData *data = TransferDevices::openState();
    if (!data)
        return false;
    QMutexLocker lock(&data->mutex);
    // Lookup and write under one write lock: another process may insert or
    // delete the row in between.
    WriteTransaction transaction(data->database);
    if (!transaction.isActive() || !writeRow(type, name, false) || !transaction.commit())
        return false;
    sendNotice("Device/Create");
    return true;
}

bool TransferDevice::writeRow(int type, const std::string &name, bool isNew)
{
    TransferDevicesData *data = TransferDevices::openState();
    if (!data)
        return false;
    QMutexLocker lock(&data->mutex);

    bool exists = false;
    if (!isNew) {
        PreparedStatements::Use lookup = data->statement(LookupStatement);
        if (!lookup)
            return false;
        lookup->bindValue(QStringLiteral(":ID"), m_deviceId);
        exists = lookup->exec() && lookup->next();
    }
    PreparedStatements::Use query = data->statement(exists ? UpdateStatement : InsertStatement);
    if (!query)
        return false;

    // Written, a broken name would come back with U+FFFD in it.
    if (!isValidUtf8(name))
        return false;
    m_type = type;
    m_name = name;
    query->bindValue(QStringLiteral(":ID"), m_deviceId);
    query->bindValue(QStringLiteral(":NAME"), fromUtf8(m_name));
    query->bindValue(QStringLiteral(":CONF"), m_hasBeenConfigured);
    query->bindValue(QStringLiteral(":TYPE"), asStored(m_type));
    query->bindValue(QStringLiteral(":PROFILE"), asStored(m_profile));
    query->bindValue(QStringLiteral(":METHOD"), asStored(m_lastUsedMethod));
    query->bindValue(QStringLiteral(":LUMOSTATE"), asStored(m_lumoRegistrationState));
    query->bindValue(QStringLiteral(":LUMOPROMPT"), m_promptForLumoRegistration);
    query->bindValue(QStringLiteral(":DATARATE"), m_dataRateOfLastUsedDrive);
    query->bindValue(QStringLiteral(":DRIVENAME"), fromUtf8(m_lastUsedDriveName));
    return query->exec() && query->numRowsAffected() == 1;
}

bool TransferDevice::updateField(const QString &column, const QVariant &value)
{
    if (!isValueColumn(column))
        return false;
    TransferDevicesData *data = TransferDevices::openState();
    if (!data)
        return false;
    QMutexLocker lock(&data->mutex);
    {
        PreparedStatements::Use query = data->statement(QString::fromLatin1(FieldStatement).arg(column));
        if (!query)
            return false;
        query->bindValue(QStringLiteral(":ID"), m_deviceId);
        query->bindValue(QStringLiteral(":VALUE"), value);
        if (!query->exec() || query->numRowsAffected() != 1)
            return false;
    }
    sendNotice("Device/Change");
    return true;
}

bool TransferDevice::updateTextField(const QString &column, const std::string &text)
{
    if (!isValidUtf8(text))
        return false;
    return updateField(column, fromUtf8(text));
}

void TransferDevice::setName(std::string name)
{
    // A name that is not UTF-8 could not be stored as given: the old one stays.
    if (name == m_name || !isValidUtf8(name))
        return;
    m_name = std::move(name);
    updateTextField(QStringLiteral("name"), m_name);
}

void TransferDevice::setType(int type)
{
    TransferDevicesData *data = TransferDevices::openState();
    if (type == m_type || !data)
        return;
    m_type = type;
    m_profile = 0;
    m_lastUsedMethod = 0;
    m_lumoRegistrationState = 0;
    m_promptForLumoRegistration = true;
    m_lastUsedDriveName.clear();

    QMutexLocker lock(&data->mutex);
    bool written = false;
    {
        PreparedStatements::Use query = data->statement(TypeStatement);
        if (!query)
            return;
        query->bindValue(QStringLiteral(":ID"), m_deviceId);
        query->bindValue(QStringLiteral(":TYPE"), asStored(m_type));
        query->bindValue(QStringLiteral(":PROFILE"), asStored(m_profile));
        query->bindValue(QStringLiteral(":METHOD"), asStored(m_lastUsedMethod));
        query->bindValue(QStringLiteral(":DRIVENAME"), fromUtf8(m_lastUsedDriveName));
        query->bindValue(QStringLiteral(":LUMOSTATE"), asStored(m_lumoRegistrationState));
        query->bindValue(QStringLiteral(":LUMOPROMPT"), m_promptForLumoRegistration);
        written = query->exec() && query->numRowsAffected() == 1;
    }
    if (written)
        sendNotice("Device/Change");
}

void TransferDevice::markConfigured()
{
    if (m_hasBeenConfigured)
        return;
    m_hasBeenConfigured = true;
    updateField(QStringLiteral("has_been_configured"), true);
}

bool TransferDevice::sendNotice(const std::string &noticeName)
{
    if (!m_ipc)
        return false;
    TransferDeviceNotice notice;
    notice.deviceId = m_deviceId;
    notice.state = m_lumoRegistrationState == 1 ? 3 : 1;
    unsigned char payload[TransferDeviceNotice::Size];
    notice.encode(payload);
    int delivered = 0;
    return m_ipc->Send(m_componentId, noticeName, TransferDeviceNotice::Size, payload, &delivered);
}

} // namespace TransferDevicesLibrary
