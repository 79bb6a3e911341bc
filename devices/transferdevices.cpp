#include "devices/transferdevices.h"

#include "devices/transferdevice.h"
#include "devices/transferdevicenotice.h"
#include "devices/transferdevicesdata.h"
#include "devices/utf8text.h"
#include "devices/writetransaction.h"

#include <QDir>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <memory>

#include <mutex>

namespace TransferDevicesLibrary {

namespace {

constexpr uint32_t SchemaVersion = 0x10000;
constexpr uint32_t FirstDeviceId = 10000;

const char ConnectionName[] = "TransferDevicesLibraryDatabaseConnection";
const char ConnectOptions[] = "QSQLITE_BUSY_TIMEOUT=120000";
const char ReadOnlyOptions[] = "QSQLITE_BUSY_TIMEOUT=120000;QSQLITE_OPEN_READONLY";

const char SchemaScript[] = "PRAGMA auto_vacuum = full"
                            "    ;;    "
                            "PRAGMA temp_store = MEMORY"
                            "    ;;    "
                            "CREATE TABLE IF NOT EXISTS schema_data ("
                            "  version INTEGER NOT NULL DEFAULT 0,"
                            "  initialized INTEGER NOT NULL DEFAULT 0)"
                            "    ;;    "
                            "CREATE TABLE IF NOT EXISTS device ("
                            "  device_id INTEGER PRIMARY KEY NOT NULL,"
                            "  name TEXT NOT NULL,"
                            "  has_been_configured INTEGER NOT NULL DEFAULT 0,"
                            "  type INTEGER NOT NULL,"
                            "  profile INTEGER NOT NULL,"
                            "  last_used_method INTEGER,"
                            "  lumo_registration_state INTEGER,"
                            "  prompt_for_lumo_registration INTEGER NOT NULL DEFAULT 1,"
                            "  data_rate_of_last_used_drive INTEGER NOT NULL DEFAULT 0,"
                            "  last_used_drive_name TEXT)";

// A pointer needs no constructor at load time; the lock guards first use.
TransferDevices *s_instance = nullptr;

std::mutex &instanceLock()
{
    static std::mutex lock;
    return lock;
}

QString sql(const char *text)
{
    return QString::fromLatin1(text);
}

// <application data>/Kavo/TransferWizard, created if missing; empty when
// there is no data folder.
QString dataFolderPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return QString();
    const QString folder = QDir(base).path() + QStringLiteral("/Kavo/TransferWizard");
    QDir().mkpath(folder);
    return folder;
}

bool readOneRow(QSqlQuery &query)
{
    return query.exec() && query.next();
}

// Empty when the table cannot be read.
QStringList columnsOf(const QSqlDatabase &db, const char *table)
{
    QStringList columns;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA table_info(") + sql(table) + QStringLiteral(")")))
        while (query.next())
            columns << query.value(1).toString().toLower();
    query.finish();
    return columns;
}

bool hasAll(const QStringList &have, std::initializer_list<const char *> want)
{
    for (const char *column : want)
        if (!have.contains(QLatin1String(column)))
            return false;
    return true;
}

// A file we may use: readable as SQLite, and either new, or holding our
// tables with their columns. Anybody else's database is left alone.
bool isOurs(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(sql("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return false;
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString().toLower();
    query.finish();
    tables.removeIf([](const QString &t) { return t.startsWith(QLatin1String("sqlite_")); });
    const bool hasSchemaData = tables.contains(QLatin1String("schema_data"));
    const bool hasDevice = tables.contains(QLatin1String("device"));
    if (!hasSchemaData && !hasDevice)
        return tables.isEmpty();
    if (hasSchemaData && !hasAll(columnsOf(db, "schema_data"), { "version", "initialized" }))
        return false;
    return !hasDevice
        || hasAll(columnsOf(db, "device"),
            { "device_id", "name", "has_been_configured", "type", "profile", "last_used_method",
                "lumo_registration_state", "prompt_for_lumo_registration", "data_rate_of_last_used_drive",
                "last_used_drive_name" });
}

enum class Check { Sound, Damaged, Unknown };

// SQLite reads and writes through damaged pages without complaint, and a
// write there spreads the damage; the file is checked before anything else.
Check checkFile(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    Check result = Check::Damaged;
    if (query.exec(sql("PRAGMA quick_check"))) {
        if (query.next() && query.value(0).toString() == QLatin1String("ok"))
            result = Check::Sound;
    } else {
        // Busy or locked says nothing about the file.
        const QString code = query.lastError().nativeErrorCode();
        if (code == QLatin1String("5") || code == QLatin1String("6"))
            result = Check::Unknown;
    }
    query.finish();
    return result;
}

bool runStatement(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    const bool ok = query.prepare(statement) && query.exec();
    query.finish();
    return ok;
}

} // namespace

TransferDevices::TransferDevices() = default;

TransferDevices::~TransferDevices()
{
    if (d) {
        QMutexLocker lock(&d->mutex);
        d->statements.clear();
        d->database.close();
        d->database = QSqlDatabase();
    }
    d.reset();
    std::lock_guard<std::mutex> guard(instanceLock());
    if (s_instance == this)
        s_instance = nullptr;
}

TransferDevices *TransferDevices::instance(const std::string &componentId, EndpointFactory makeEndpoint)
{
    std::lock_guard<std::mutex> guard(instanceLock());
    if (!s_instance) {
        auto *store = new TransferDevices;
        store->open(componentId, makeEndpoint);
        s_instance = store;
    }
    return s_instance;
}

TransferDevicesData *TransferDevices::openState()
{
    std::lock_guard<std::mutex> guard(instanceLock());
    return s_instance && s_instance->isOpen() ? s_instance->d.get() : nullptr;
}

void TransferDevices::open(const std::string &componentId, EndpointFactory makeEndpoint)
{
    d.reset(new TransferDevicesData);
    const QString connection = sql(ConnectionName);
    // The name stays registered when a store is destroyed; a later store of
    // the process takes it over.
    d->database = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection, false)
                                                     : QSqlDatabase::addDatabase(sql("QSQLITE"), connection);

    if (makeEndpoint && !makeEndpoint(&d->ipc))
        d->ipc.reset();

    const QString databaseName = dataFolderPath() + QStringLiteral("/Devices");
    d->componentId = componentId;

    d->database.setConnectOptions(sql(ConnectOptions));
    d->database.setDatabaseName(databaseName);
    if (!d->database.open())
        return;

    QMutexLocker lock(&d->mutex);
    const Check check = checkFile(d->database);
    if (check != Check::Sound) {
        d->damaged = check == Check::Damaged;
        d->database.close();
        return;
    }
    if (!prepareSchema()) {
        d->statements.clear();
        // A file the user may read but not write (a shared or restored
        // profile) still lists its devices.
        if (!openForReading()) {
            d->statements.clear();
            d->database.close();
            return;
        }
    }
    QSqlQuery query(d->database);
    if (query.prepare(sql("SELECT initialized FROM schema_data")) && readOneRow(query))
        d->initialized = query.value(0).toBool();
    query.finish();
}

bool TransferDevices::prepareSchema()
{
    if (!isOurs(d->database))
        return false;

    bool runScript = true;
    {
        QSqlQuery query(d->database);
        if (query.prepare(sql("SELECT version FROM schema_data")) && readOneRow(query))
            runScript = static_cast<uint32_t>(query.value(0).toLongLong()) < SchemaVersion;
        query.finish();
    }

    // One write transaction from the script to the version stamp: processes
    // opening a new file together would otherwise each see the row missing
    // and insert one, and the initialized flag could never be set again.
    std::unique_ptr<WriteTransaction> transaction;
    if (runScript) {
        const QStringList parts = sql(SchemaScript).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            const QString statement = part.trimmed();
            if (statement.isEmpty())
                continue;
            // auto_vacuum only takes effect outside a transaction, so the
            // leading pragmas run before it begins.
            if (!transaction && !statement.startsWith(QLatin1String("PRAGMA"))) {
                transaction.reset(new WriteTransaction(d->database));
                if (!transaction->isActive())
                    return false;
            }
            if (!runStatement(d->database, statement))
                return false;
        }
    }
    if (!transaction) {
        transaction.reset(new WriteTransaction(d->database));
        if (!transaction->isActive())
            return false;
    }

    bool rowMissing = true;
    {
        QSqlQuery query(d->database);
        rowMissing = !(query.prepare(sql("SELECT version FROM schema_data")) && readOneRow(query));
        query.finish();
    }
    if (rowMissing) {
        QSqlQuery query(d->database);
        if (!query.prepare(sql("INSERT INTO schema_data (version) VALUES(0)")) || !query.exec()
            || query.numRowsAffected() != 1)
            return false;
    }
    QSqlQuery query(d->database);
    if (!query.prepare(sql("UPDATE schema_data SET version = :VERSION")))
        return false;
    query.bindValue(QStringLiteral(":VERSION"), static_cast<int>(SchemaVersion));
    return query.exec() && transaction->commit();
}

bool TransferDevices::openForReading()
{
    d->database.close();
    d->database.setConnectOptions(sql(ReadOnlyOptions));
    if (!d->database.open())
        return false;
    if (!isOurs(d->database) || columnsOf(d->database, "device").isEmpty())
        return false;
    d->readOnly = true;
    return true;
}

bool TransferDevices::isOpen() const
{
    return d && d->database.isOpen();
}

bool TransferDevices::isWritable() const
{
    return isOpen() && !d->readOnly;
}

bool TransferDevices::isReadOnly() const
{
    return isOpen() && d->readOnly;
}

bool TransferDevices::isDamaged() const
{
    return d && d->damaged;
}

bool TransferDevices::isInitialized() const
{
    return d && d->initialized;
}

unsigned TransferDevices::count()
{
    if (!isOpen())
        return 0;
    QMutexLocker lock(&d->mutex);
    PreparedStatements::Use query = d->statement("SELECT count(device_id) FROM device");
    if (!query || !readOneRow(*query))
        return 0;
    return query->value(0).toUInt();
}

TransferDevice *TransferDevices::deviceAt(unsigned index)
{
    if (!isOpen())
        return nullptr;
    QMutexLocker lock(&d->mutex);
    unsigned deviceId = 0;
    {
        PreparedStatements::Use query = d->statement(
            "SELECT device_id AS device_id FROM device ORDER BY device_id ASC LIMIT 1 OFFSET :INDEX");
        if (!query)
            return nullptr;
        query->bindValue(QStringLiteral(":INDEX"), index);
        if (!readOneRow(*query))
            return nullptr;
        deviceId = query->value(0).toUInt();
    }
    return deviceById(deviceId);
}

TransferDevice *TransferDevices::deviceById(unsigned deviceId)
{
    if (!isOpen())
        return nullptr;
    QMutexLocker lock(&d->mutex);
    auto *device = new TransferDevice(deviceId, d->componentId, d->ipc.get());
    if (!device->load()) {
        delete device;
        return nullptr;
    }
    return device;
}

TransferDevice *TransferDevices::createDevice(int type, std::string name)
{
    // Stored, a name that is not UTF-8 would read back with U+FFFD in it.
    if (!isWritable() || !isValidUtf8(name))
        return nullptr;
    QMutexLocker lock(&d->mutex);
    // The new id and its row go in under one write lock, so two processes
    // adding at once cannot both take the same id.
    WriteTransaction transaction(d->database);
    if (!transaction.isActive())
        return nullptr;

    uint32_t deviceId = 0;
    {
        PreparedStatements::Use query = d->statement("SELECT max(device_id) FROM device");
        if (!query || !readOneRow(*query))
            return nullptr;
        deviceId = static_cast<uint32_t>(query->value(0).toLongLong()) + 1;
    }
    if (deviceId < FirstDeviceId)
        deviceId = FirstDeviceId;

    std::unique_ptr<TransferDevice> device(new TransferDevice(deviceId, d->componentId, d->ipc.get()));
    if (!device->writeRow(type, name, true))
        return nullptr;
    if (!d->initialized) {
        PreparedStatements::Use query = d->statement("UPDATE schema_data SET initialized = 1");
        if (!query || !query->exec() || query->numRowsAffected() != 1)
            return nullptr;
    }
    if (!transaction.commit())
        return nullptr;
    d->initialized = true;
    // Announced once committed, so a process that reloads on the notice sees the row.
    device->sendNotice("Device/Create");
    return device.release();
}

bool TransferDevices::createInitialDevices(const std::vector<std::pair<int, std::string>> &devices)
{
    if (!isWritable())
        return false;
    QMutexLocker lock(&d->mutex);
    WriteTransaction transaction(d->database);
    if (!transaction.isActive())
        return false;
    {
        // Another process may have initialised the file since this one opened it.
        PreparedStatements::Use query = d->statement("SELECT initialized FROM schema_data");
        if (!query || !readOneRow(*query))
            return false;
        if (query->value(0).toBool()) {
            d->initialized = true;
            return false;
        }
    }
    uint32_t deviceId = 0;
    {
        PreparedStatements::Use query = d->statement("SELECT max(device_id) FROM device");
        if (!query || !readOneRow(*query))
            return false;
        deviceId = static_cast<uint32_t>(query->value(0).toLongLong());
    }
    std::vector<std::unique_ptr<TransferDevice>> created;
    for (const auto &[type, name] : devices) {
        deviceId = std::max<uint32_t>(deviceId + 1, FirstDeviceId);
        created.emplace_back(new TransferDevice(deviceId, d->componentId, d->ipc.get()));
        if (!created.back()->writeRow(type, name, true))
            return false;
    }
    {
        PreparedStatements::Use query = d->statement("UPDATE schema_data SET initialized = 1");
        if (!query || !query->exec() || query->numRowsAffected() != 1)
            return false;
    }
    if (!transaction.commit())
        return false;
    d->initialized = true;
    for (const auto &device : created)
        device->sendNotice("Device/Create");
    return true;
}

bool TransferDevices::removeDevice(TransferDevice *device)
{
    if (!device || !isWritable())
        return false;
    QMutexLocker lock(&d->mutex);
    const uint32_t deviceId = device->deviceId();
    {
        PreparedStatements::Use query = d->statement("DELETE FROM device WHERE device_id = :ID");
        if (!query)
            return false;
        query->bindValue(QStringLiteral(":ID"), deviceId);
        if (!query->exec() || query->numRowsAffected() != 1)
            return false;
    }
    delete device;
    if (d->ipc) {
        TransferDeviceNotice notice;
        notice.deviceId = deviceId;
        notice.state = 0;
        unsigned char payload[TransferDeviceNotice::Size];
        notice.encode(payload);
        int delivered = 0;
        d->ipc->Send(
            d->componentId, std::string("Device/Remove"), TransferDeviceNotice::Size, payload, &delivered);
    }
    return true;
}

} // namespace TransferDevicesLibrary
