#include "devices/devicetype.h"
#include "devices/transferdevicenotice.h"
#include "tests/devices/sqlitefile.h"
#include "tests/devices/storefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <thread>

using namespace TransferDevicesLibrary;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const char OurTables[]
    = "CREATE TABLE schema_data (version INTEGER NOT NULL DEFAULT 0,"
      " initialized INTEGER NOT NULL DEFAULT 0);"
      "CREATE TABLE device (device_id INTEGER PRIMARY KEY NOT NULL, name TEXT NOT NULL,"
      " has_been_configured INTEGER NOT NULL DEFAULT 0, type INTEGER NOT NULL, profile INTEGER NOT NULL,"
      " last_used_method INTEGER, lumo_registration_state INTEGER,"
      " prompt_for_lumo_registration INTEGER NOT NULL DEFAULT 1,"
      " data_rate_of_last_used_drive INTEGER NOT NULL DEFAULT 0, last_used_drive_name TEXT);";

// What every operation of a store that is not open must answer.
void expectClosed(TransferDevices *devices)
{
    EXPECT_FALSE(devices->isOpen());
    EXPECT_FALSE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 0u);
    EXPECT_EQ(devices->deviceAt(0), nullptr);
    EXPECT_EQ(devices->deviceById(10000), nullptr);
    EXPECT_EQ(devices->createDevice(0, "Den"), nullptr);
    TransferDevice record(10000, "TestComponent", nullptr);
    EXPECT_FALSE(devices->removeDevice(&record));
    EXPECT_EQ(record.deviceId(), 10000u);
    EXPECT_FALSE(record.load());
}

} // namespace

TEST_F(StoreFixture, NewProfileCreatesFolderFileAndEmptyTables)
{
    ASSERT_FALSE(QFileInfo::exists(folderPath()));
    TransferDevices *devices = store();
    EXPECT_TRUE(devices->isOpen());
    EXPECT_FALSE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 0u);
    EXPECT_TRUE(QFileInfo(folderPath()).isDir());
    closeStore();

    ASSERT_TRUE(QFileInfo(databasePath()).isFile());
    EXPECT_EQ(SqliteFile::tables(databasePath()),
        (QStringList { QStringLiteral("device"), QStringLiteral("schema_data") }));
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")),
        QStringLiteral("1"));
    EXPECT_EQ(SqliteFile::value(
                  databasePath(), QStringLiteral("SELECT version || ',' || initialized FROM schema_data")),
        QStringLiteral("65536,0"));
    // The script's first pragma takes effect on a new file.
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("PRAGMA auto_vacuum")), QStringLiteral("1"));
}

TEST_F(StoreFixture, IdentifiersStartAt10000AndFirstCreateInitializes)
{
    TransferDevices *devices = store();
    DevicePtr first(devices->createDevice(DVDPlayer, "Living room"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->deviceId(), 10000u);
    EXPECT_TRUE(devices->isInitialized());
    DevicePtr second(devices->createDevice(TV, "Kitchen TV"));
    DevicePtr third(devices->createDevice(BluRayPlayer, "Den"));
    ASSERT_TRUE(second && third);
    EXPECT_EQ(second->deviceId(), 10001u);
    EXPECT_EQ(third->deviceId(), 10002u);
    EXPECT_EQ(devices->count(), 3u);
    closeStore();
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT initialized FROM schema_data")),
        QStringLiteral("1"));
    // A later open reads the flag back.
    EXPECT_TRUE(store()->isInitialized());
}

TEST_F(StoreFixture, InitialDevicesGoInOnceAndOnlyIntoANewFile)
{
    TransferDevices *devices = store("Sender");
    ASSERT_FALSE(devices->isInitialized());
    ASSERT_TRUE(devices->createInitialDevices({ { DVDPlayer, "DVD Player" }, { TV, "TV" } }));
    EXPECT_TRUE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 2u);
    DevicePtr second(devices->deviceAt(1));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->deviceId(), 10001u);
    EXPECT_EQ(second->name(), "TV");
    EXPECT_EQ(RecordingIPC::log().size(), 2);
    EXPECT_EQ(RecordingIPC::log().at(1).topic, "Device/Create");

    EXPECT_FALSE(devices->createInitialDevices({ { DVDPlayer, "again" } }));
    EXPECT_EQ(devices->count(), 2u);
}

TEST_F(StoreFixture, InitialDevicesAreRefusedWhenAnotherWriterInitialisedTheFileMeanwhile)
{
    TransferDevices *devices = store();
    ASSERT_FALSE(devices->isInitialized());
    // Another process initialises the file after this one opened it.
    ASSERT_TRUE(SqliteFile::exec(databasePath(), QStringLiteral("UPDATE schema_data SET initialized = 1")));
    EXPECT_FALSE(devices->createInitialDevices({ { DVDPlayer, "DVD Player" } }));
    EXPECT_TRUE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 0u);
}

TEST_F(StoreFixture, IdentifiersBelow10000InTheFileAreNeverGivenOut)
{
    QDir().mkpath(folderPath());
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QString::fromLatin1(OurTables)
            + QStringLiteral(
                "INSERT INTO schema_data VALUES (65536, 1);"
                "INSERT INTO device (device_id, name, type, profile) VALUES (7, 'old', 0, 0);")));
    DevicePtr device(store()->createDevice(TV, "new"));
    ASSERT_TRUE(device);
    EXPECT_EQ(device->deviceId(), 10000u);
}

TEST_F(StoreFixture, HighestIdentifierIsReusedButGapsAreNotFilled)
{
    TransferDevices *devices = store();
    for (int i = 0; i < 3; ++i)
        DevicePtr(devices->createDevice(TV, "tv"));
    ASSERT_TRUE(devices->removeDevice(devices->deviceById(10001)));
    ASSERT_TRUE(devices->removeDevice(devices->deviceById(10002)));
    DevicePtr again(devices->createDevice(TV, "again"));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->deviceId(), 10001u);
    DevicePtr(devices->createDevice(TV, "more"));
    ASSERT_TRUE(devices->removeDevice(devices->deviceById(10000)));
    DevicePtr next(devices->createDevice(TV, "next"));
    EXPECT_EQ(next->deviceId(), 10003u);
}

TEST_F(StoreFixture, NewerVersionSkipsTheScriptAndIsRewritten)
{
    QDir().mkpath(folderPath());
    // No device table: if the script ran it would create one.
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QStringLiteral("CREATE TABLE schema_data (version INTEGER NOT NULL DEFAULT 0,"
                       " initialized INTEGER NOT NULL DEFAULT 0);"
                       "INSERT INTO schema_data VALUES (70000, 0);")));
    EXPECT_TRUE(store()->isOpen());
    closeStore();
    EXPECT_EQ(SqliteFile::tables(databasePath()), QStringList { QStringLiteral("schema_data") });
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT version FROM schema_data")),
        QStringLiteral("65536"));
}

TEST_F(StoreFixture, OlderVersionRunsTheScriptAndKeepsTheDevices)
{
    QDir().mkpath(folderPath());
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QString::fromLatin1(OurTables)
            + QStringLiteral(
                "INSERT INTO schema_data VALUES (3, 1);"
                "INSERT INTO device (device_id, name, type, profile) VALUES (10005, 'kept', 2, 0);")));
    TransferDevices *devices = store();
    ASSERT_TRUE(devices->isOpen());
    EXPECT_TRUE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 1u);
    closeStore();
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT version FROM schema_data")),
        QStringLiteral("65536"));
}

TEST_F(StoreFixture, MissingSchemaRowIsInserted)
{
    QDir().mkpath(folderPath());
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QString::fromLatin1(OurTables)
            + QStringLiteral(
                "INSERT INTO device (device_id, name, type, profile) VALUES (10000, 'a', 1, 0);")));
    TransferDevices *devices = store();
    ASSERT_TRUE(devices->isOpen());
    EXPECT_FALSE(devices->isInitialized());
    EXPECT_EQ(devices->count(), 1u);
    closeStore();
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")),
        QStringLiteral("1"));
    EXPECT_EQ(SqliteFile::value(
                  databasePath(), QStringLiteral("SELECT version || ',' || initialized FROM schema_data")),
        QStringLiteral("65536,0"));
}

TEST_F(StoreFixture, ReopeningKeepsOneSchemaRow)
{
    store();
    closeStore();
    store();
    closeStore();
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")),
        QStringLiteral("1"));
}

TEST_F(StoreFixture, DeviceAtFollowsIdentifierOrderAndShiftsAfterRemoval)
{
    TransferDevices *devices = store();
    const char *names[] = { "one", "two", "three" };
    for (const char *name : names)
        DevicePtr(devices->createDevice(TV, name));
    ASSERT_EQ(devices->count(), 3u);
    EXPECT_EQ(devices->deviceAt(3), nullptr);
    EXPECT_EQ(devices->deviceAt(0xFFFFFFFFu), nullptr);
    for (unsigned i = 0; i < 3; ++i) {
        DevicePtr device(devices->deviceAt(i));
        ASSERT_TRUE(device);
        EXPECT_EQ(device->deviceId(), 10000u + i);
        EXPECT_EQ(device->name(), names[i]);
    }
    ASSERT_TRUE(devices->removeDevice(devices->deviceAt(0)));
    EXPECT_EQ(devices->count(), 2u);
    DevicePtr first(devices->deviceAt(0));
    DevicePtr second(devices->deviceAt(1));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->name(), "two");
    EXPECT_EQ(second->name(), "three");
    EXPECT_EQ(devices->deviceAt(2), nullptr);
}

TEST_F(StoreFixture, DeviceByIdOfMissingRowIsNull)
{
    TransferDevices *devices = store();
    EXPECT_EQ(devices->deviceById(10000), nullptr);
    DevicePtr(devices->createDevice(TV, "x"));
    EXPECT_EQ(devices->deviceById(10001), nullptr);
    DevicePtr found(devices->deviceById(10000));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name(), "x");
}

TEST_F(StoreFixture, SecondInstanceCallReturnsTheFirstUnchanged)
{
    TransferDevices *first = store("FirstComponent");
    TransferDevices *second = TransferDevices::instance("OtherComponent", &RecordingIPC::fail);
    EXPECT_EQ(first, second);
    EXPECT_EQ(TransferDevices::instance("Third"), first);
    DevicePtr device(second->createDevice(TV, "x"));
    ASSERT_TRUE(device);
    ASSERT_EQ(RecordingIPC::log().size(), 1);
    EXPECT_EQ(RecordingIPC::log().at(0).sender, "FirstComponent");
}

TEST_F(StoreFixture, CreateAndRemoveSendNoticesWithExactPayloads)
{
    TransferDevices *devices = store("Sender");
    TransferDevice *device = devices->createDevice(PlayStation3, "Console");
    ASSERT_TRUE(device);
    ASSERT_TRUE(devices->removeDevice(device));
    const QList<SentNotice> &log = RecordingIPC::log();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log.at(0).sender, "Sender");
    EXPECT_EQ(log.at(0).topic, "Device/Create");
    EXPECT_EQ(log.at(0).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "01000000"));
    EXPECT_EQ(log.at(1).sender, "Sender");
    EXPECT_EQ(log.at(1).topic, "Device/Remove");
    EXPECT_EQ(log.at(1).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "00000000"));
}

TEST_F(StoreFixture, RemovingAMissingRowFailsAndKeepsTheRecord)
{
    TransferDevices *devices = store();
    TransferDevice stray(12345, "TestComponent", nullptr);
    EXPECT_FALSE(devices->removeDevice(&stray));
    EXPECT_FALSE(devices->removeDevice(nullptr));
    EXPECT_EQ(stray.deviceId(), 12345u);
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(StoreFixture, WithoutAnEndpointTheStoreWorksSilently)
{
    TransferDevices *devices = store("TestComponent", &RecordingIPC::fail);
    DevicePtr device(devices->createDevice(TV, "quiet"));
    ASSERT_TRUE(device);
    EXPECT_FALSE(device->sendNotice("Device/Change"));
    device->setName("still quiet");
    DevicePtr reread(devices->deviceById(device->deviceId()));
    EXPECT_EQ(reread->name(), "still quiet");
    EXPECT_TRUE(devices->removeDevice(device.release()));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(StoreFixture, NamesRoundTripUnchanged)
{
    const std::string names[] = {
        "Bob's \"best\" TV",
        "100% ; DROP TABLE device; --",
        "\xe5\xae\xa2\xe5\x8e\x85\xe7\x9a\x84\xe7\x94\xb5\xe8\xa7\x86", // Chinese
        "\xd0\x93\xd0\xbe\xd1\x81\xd1\x82\xd0\xb8\xd0\xbd\xd0\xb0\xd1\x8f", // Russian
        "Emoji \xf0\x9f\x93\xba %1 %s :NAME",
        "",
    };
    TransferDevices *devices = store();
    for (const std::string &name : names) {
        DevicePtr device(devices->createDevice(TV, name));
        ASSERT_TRUE(device) << name;
        DevicePtr reread(devices->deviceById(device->deviceId()));
        ASSERT_TRUE(reread);
        EXPECT_EQ(reread->name(), name);
        reread->setName(name + "!");
        DevicePtr again(devices->deviceById(device->deviceId()));
        EXPECT_EQ(again->name(), name + "!");
    }
    EXPECT_EQ(devices->count(), 6u);
}

TEST_F(StoreFixture, UnopenableDatabaseLeavesStoreClosed)
{
    // A folder where the file should be cannot be opened as a database.
    QDir().mkpath(databasePath());
    expectClosed(store());
    EXPECT_TRUE(QFileInfo(databasePath()).isDir());
}

TEST_F(StoreFixture, FileThatIsNotSqliteIsLeftClosedAndUntouched)
{
    QByteArray junk("This is not a database, just some text that happens to sit here.\n");
    junk = junk.repeated(200);
    writeFile(databasePath(), junk);
    expectClosed(store());
    EXPECT_TRUE(m_store->isDamaged());
    closeStore();
    EXPECT_EQ(readAll(databasePath()), junk);
}

TEST_F(StoreFixture, ForeignDatabaseIsLeftClosedAndUntouched)
{
    QDir().mkpath(folderPath());
    ASSERT_TRUE(SqliteFile::exec(
        databasePath(), QStringLiteral("CREATE TABLE songs (title TEXT); INSERT INTO songs VALUES ('a');")));
    const QByteArray before = readAll(databasePath());
    expectClosed(store());
    EXPECT_FALSE(m_store->isDamaged());
    closeStore();
    EXPECT_EQ(readAll(databasePath()), before);
    EXPECT_EQ(SqliteFile::tables(databasePath()), QStringList { QStringLiteral("songs") });
}

TEST_F(StoreFixture, DeviceTableOfAnotherShapeIsLeftClosedAndUntouched)
{
    QDir().mkpath(folderPath());
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QStringLiteral("CREATE TABLE schema_data (version INTEGER, initialized INTEGER);"
                       "INSERT INTO schema_data VALUES (65536, 1);"
                       "CREATE TABLE device (id INTEGER PRIMARY KEY, label TEXT);")));
    const QByteArray before = readAll(databasePath());
    expectClosed(store());
    closeStore();
    EXPECT_EQ(readAll(databasePath()), before);
}

TEST_F(StoreFixture, DamagedDatabaseIsReportedAndLeftUntouched)
{
    // The file's pages: 1 the schema, 2 the pointer map (auto_vacuum), 3 and 4 the tables.
    for (const int page : { 2, 4 }) {
        store();
        DevicePtr(m_store->createDevice(TV, "x"));
        closeStore();
        QByteArray bytes = readAll(databasePath());
        const int pageSize = (uchar(bytes.at(16)) << 8) | uchar(bytes.at(17));
        ASSERT_GE(bytes.size(), page * pageSize);
        bytes.replace((page - 1) * pageSize, pageSize, QByteArray(pageSize, '\0'));
        writeFile(databasePath(), bytes);

        EXPECT_TRUE(store()->isDamaged()) << page;
        expectClosed(m_store);
        closeStore();
        EXPECT_EQ(readAll(databasePath()), bytes) << page;
        ASSERT_TRUE(QFile::remove(databasePath()));
    }
}

TEST_F(StoreFixture, CreateWaitsForAnotherWriterAndTakesTheNextId)
{
    store();
    // Another writer has taken the write lock and added 10000 but not yet
    // committed. Reading the highest id before taking the lock would give
    // 10000 again and the insert would then fail.
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                  "BEGIN IMMEDIATE;"
                  "INSERT INTO device (device_id, name, type, profile) VALUES (10000, 'other', 0, 0);",
                  nullptr, nullptr, nullptr),
        SQLITE_OK);
    std::thread committer([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    DevicePtr device(m_store->createDevice(TV, "mine"));
    committer.join();
    sqlite3_close(other);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->deviceId(), 10001u);
    EXPECT_EQ(m_store->count(), 2u);
}

TEST_F(StoreFixture, OpeningBesideAnotherFirstOpenKeepsOneSchemaRow)
{
    // Another process is part way through opening the new file: tables and
    // row written, not yet committed. This open sees neither at first; it
    // must still not add a second row once the other one commits.
    QDir().mkpath(folderPath());
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &other), SQLITE_OK);
    const std::string firstOpen = std::string("BEGIN IMMEDIATE;") + OurTables
        + "INSERT INTO schema_data (version) VALUES (0);"
          "UPDATE schema_data SET version = 65536;";
    ASSERT_EQ(sqlite3_exec(other, firstOpen.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread committer([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    TransferDevices *devices = store();
    committer.join();
    sqlite3_close(other);
    ASSERT_TRUE(devices->isOpen());
    DevicePtr device(devices->createDevice(TV, "first"));
    EXPECT_TRUE(device);
    EXPECT_TRUE(devices->isInitialized());
    closeStore();
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")),
        QStringLiteral("1"));
}

TEST_F(StoreFixture, ReadsLeaveNoLockBehindForOtherWriters)
{
    TransferDevices *devices = store();
    DevicePtr(devices->createDevice(TV, "a"));
    DevicePtr(devices->createDevice(TV, "b"));
    // Every kind of read; a statement left unfinished would keep the shared
    // lock and another process could not commit.
    EXPECT_EQ(devices->count(), 2u);
    DevicePtr first(devices->deviceAt(0));
    DevicePtr second(devices->deviceById(10001));
    ASSERT_TRUE(first && second && first->reload());

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 0);
    EXPECT_EQ(sqlite3_exec(other,
                  "BEGIN IMMEDIATE;"
                  "INSERT INTO device (device_id, name, type, profile) VALUES (20000, 'other', 0, 0);"
                  "COMMIT;",
                  nullptr, nullptr, nullptr),
        SQLITE_OK)
        << sqlite3_errmsg(other);
    sqlite3_close(other);
    EXPECT_EQ(devices->count(), 3u);
}

TEST(DeviceTypes, TableHoldsTheFourCodesWithLabelsAndIconKeys)
{
    EXPECT_STREQ(deviceTypeLabel(0), "DVD Player");
    EXPECT_STREQ(deviceTypeLabel(1), "Blu-ray Player");
    EXPECT_STREQ(deviceTypeLabel(2), "TV");
    EXPECT_STREQ(deviceTypeLabel(3),
        "PlayStation\xc2\xae"
        "3");
    EXPECT_STREQ(deviceTypeIconKey(0), "DVD");
    EXPECT_STREQ(deviceTypeIconKey(1), "BluRay");
    EXPECT_STREQ(deviceTypeIconKey(2), "TV");
    EXPECT_STREQ(deviceTypeIconKey(3), "Console");
    EXPECT_EQ(deviceTypeLabel(4), nullptr);
    EXPECT_EQ(deviceTypeIconKey(-1), nullptr);
}

TEST(DeviceNotice, DecodeRefusesWrongLengths)
{
    unsigned char bytes[12] = { 1, 0, 0, 0, 0x11, 0x27, 0, 0, 3, 0, 0, 0 };
    TransferDeviceNotice notice;
    ASSERT_TRUE(notice.decode(bytes, 12));
    EXPECT_EQ(notice.one, 1u);
    EXPECT_EQ(notice.deviceId, 10001u);
    EXPECT_EQ(notice.state, 3u);
    EXPECT_FALSE(notice.decode(bytes, 11));
    EXPECT_FALSE(notice.decode(bytes, 13));
    EXPECT_FALSE(notice.decode(nullptr, 12));
}
