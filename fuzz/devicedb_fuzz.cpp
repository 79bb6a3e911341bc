// A device database file that another program or a damaged disk controls,
// opened and read through the store, one fresh file per input (the schema
// made once and laid down again, the file in memory, so that an input costs
// what it controls).
//
// The first input byte picks how the rest is used:
//   even: the whole file as it lies on disk;
//   odd:  a database of our schema whose schema row and device records take
//         their values (null, integer, real, text or blob of any content)
//         from the input; the second byte's low bit then also has the store
//         change the records it loaded.
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "fuzz/fuzzfolder.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/memoryfiles.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace {

const char Schema[]
    = "PRAGMA auto_vacuum = full;"
      "CREATE TABLE schema_data (version INTEGER NOT NULL DEFAULT 0, initialized INTEGER NOT NULL DEFAULT 0);"
      "CREATE TABLE device (device_id INTEGER PRIMARY KEY NOT NULL, name TEXT NOT NULL,"
      " has_been_configured INTEGER NOT NULL DEFAULT 0, type INTEGER NOT NULL, profile INTEGER NOT NULL,"
      " last_used_method INTEGER, lumo_registration_state INTEGER,"
      " prompt_for_lumo_registration INTEGER NOT NULL DEFAULT 1,"
      " data_rate_of_last_used_drive INTEGER NOT NULL DEFAULT 0, last_used_drive_name TEXT);";

std::string g_file;
std::string g_schemaFile; // an empty database of our schema, as bytes

// The data folder for the whole run, and the application the SQL driver needs.
void prepare()
{
    static const bool prepared = [] {
        const std::string root = FuzzRunFolder("devices");
        setenv("XDG_DATA_HOME", root.c_str(), 1);
        g_file = root + "/Kavo/TransferWizard/Devices";
        std::filesystem::create_directories(root + "/Kavo/TransferWizard");
        static int argc = 1;
        static char name[] = "devicedb_fuzz";
        static char *argv[] = { name, nullptr };
        new QCoreApplication(argc, argv);
        MemoryFiles::install();
        sqlite3 *db = nullptr;
        if (sqlite3_open(g_file.c_str(), &db) != SQLITE_OK
            || sqlite3_exec(db, Schema, nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        sqlite3_close(db);
        g_schemaFile = MemoryFiles::bytes(g_file);
        // The store opens its file through Qt's SQLite driver, which must use
        // this SQLite: one of its own would read an empty file on disk, never
        // the input.
        TransferDevices *store = TransferDevices::instance("fuzz", nullptr);
        const bool sameSqlite = store->isOpen() && !std::filesystem::exists(g_file);
        delete store;
        if (g_schemaFile.empty() || !sameSqlite)
            std::abort();
        return true;
    }();
    (void)prepared;
}

void bindValue(sqlite3_stmt *statement, int index, FuzzInput &in)
{
    switch (in.byte() % 5) {
    case 0:
        sqlite3_bind_null(statement, index);
        break;
    case 1:
        sqlite3_bind_int64(statement, index, in.number());
        break;
    case 2: {
        const int64_t bits = in.number();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        sqlite3_bind_double(statement, index, value);
        break;
    }
    case 3: {
        const std::string text = in.bytes();
        sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const std::string blob = in.bytes();
        sqlite3_bind_blob(statement, index, blob.data(), int(blob.size()), SQLITE_TRANSIENT);
    }
    }
}

// Rows that break the table's own constraints are simply not stored.
void insertRows(sqlite3 *db, const char *sql, int columns, int rows, FuzzInput &in)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        std::abort();
    for (int row = 0; row < rows && !in.empty(); ++row) {
        for (int column = 1; column <= columns; ++column)
            bindValue(statement, column, in);
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
}

void writeRecords(FuzzInput &in)
{
    MemoryFiles::put(g_file, g_schemaFile);
    sqlite3 *db = nullptr;
    if (sqlite3_open(g_file.c_str(), &db) != SQLITE_OK)
        std::abort();
    // One transaction: one sync, not one per row.
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    insertRows(db, "INSERT INTO schema_data VALUES (?, ?)", 2, in.byte() % 3, in);
    insertRows(db, "INSERT INTO device VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", 10, 16, in);
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_close(db);
}

void touch(const TransferDevice &device)
{
    // Reading every field shows a read past a string's end.
    volatile size_t sum = device.name().size() + device.lastUsedDriveName().size();
    (void)sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    prepare();
    if (size < 1 || size > 1 << 16)
        return 0;
    for (const char *suffix : { "", "-journal", "-wal", "-shm" })
        MemoryFiles::remove(g_file + suffix);
    FuzzInput in(data, size);
    const bool records = in.byte() & 1;
    bool change = false;
    if (records) {
        change = in.byte() & 1;
        writeRecords(in);
    } else {
        MemoryFiles::put(g_file, in.rest());
    }

    TransferDevices *store = TransferDevices::instance("fuzz", nullptr);
    if (store->isDamaged() && store->isOpen())
        __builtin_trap();
    const unsigned count = store->count();
    for (unsigned index = 0; index < count && index < 64; ++index) {
        std::unique_ptr<TransferDevice> device(store->deviceAt(index));
        if (!device)
            continue;
        touch(*device);
        std::unique_ptr<TransferDevice> again(store->deviceById(device->deviceId()));
        if (!again || !device->reload())
            __builtin_trap(); // a row just listed must load
        if (change && store->isWritable()) {
            device->setName(device->name() + "!");
            device->setType(device->type() == 3 ? 0 : 3);
            device->markConfigured();
            if (index == 0 && store->removeDevice(device.get()))
                device.release();
        }
    }
    if (count < 64 && store->deviceAt(count))
        __builtin_trap();
    if (change)
        std::unique_ptr<TransferDevice>(store->createDevice(int(size % 5), "added"));
    delete store;
    return 0;
}
