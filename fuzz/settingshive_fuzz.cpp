// A settings hive file that another program or a damaged disk controls, read
// through the settings store, one fresh file per input (the seeded hive made
// once and laid down again, the file in memory, so that an input costs what
// it controls).
//
// The first input byte picks how the rest is used:
//   even: the whole user hive file as it lies on disk;
//   odd:  a hive made by the store, into whose key "Settings\Fuzz\General"
//         values and subkeys are then written with names, match keys, types
//         and data from the input (a match key either folded from the name,
//         as the store makes it, or taken as it comes).
// The second byte picks the access mode the hive is read with.
#include "fuzz/fuzzfolder.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/memoryfiles.h"
#include "ipc/refcountedptr.h"
#include "ipc/textconvert.h"
#include "settings/kavosettings.h"
#include "settings/namefold.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {

std::string g_hive;
std::string g_seededHive; // a hive made by the store, with its one key, as bytes

void prepare()
{
    static const bool prepared = [] {
        const std::string root = FuzzRunFolder("hive");
        g_hive = root + "/user.db";
        setenv("KAVO_USER_HIVE", g_hive.c_str(), 1);
        setenv("KAVO_MACHINE_HIVE", (root + "/machine.db").c_str(), 1);
        MemoryFiles::install();
        // The registry looks for its file on disk before SQLite opens it; an
        // empty one stands there for the hive in memory.
        std::ofstream(g_hive).flush();
        {
            kvtl::RefCountedPtr<kvds::IKavoSettings> key;
            if (!kvds::CreateSettings("Settings/Fuzz/General", kvds::CreateUser, &key)
                || !key->SetBool("Seed", true))
                std::abort();
        }
        // The store keeps the hive's connection while a key is open; none is now.
        g_seededHive = MemoryFiles::bytes(g_hive);
        if (g_seededHive.empty())
            std::abort();
        return true;
    }();
    (void)prepared;
}

std::string foldOf(const std::string &littleEndian)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < littleEndian.size(); i += 2)
        units.push_back(char16_t(uint8_t(littleEndian[i]) | (uint8_t(littleEndian[i + 1]) << 8)));
    std::string bigEndian;
    for (const char16_t unit : kvreg::FoldName(units)) {
        bigEndian.push_back(char(unit >> 8));
        bigEndian.push_back(char(unit & 0xFF));
    }
    return bigEndian;
}

void bind(sqlite3_stmt *statement, int index, const std::string &bytes)
{
    sqlite3_bind_blob(statement, index, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
}

void writeRecords(FuzzInput &in)
{
    MemoryFiles::put(g_hive, g_seededHive);
    sqlite3 *db = nullptr;
    if (sqlite3_open(g_hive.c_str(), &db) != SQLITE_OK)
        std::abort();
    sqlite3_stmt *value = nullptr;
    sqlite3_stmt *subKey = nullptr;
    if (sqlite3_prepare_v2(db,
            "INSERT OR REPLACE INTO vals (key, name, fold, type, data)"
            " VALUES ((SELECT max(id) FROM keys), ?1, ?2, ?3, ?4)",
            -1, &value, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db,
               "INSERT OR IGNORE INTO keys (parent, name, fold) VALUES ((SELECT max(id) FROM keys), ?1, ?2)",
               -1, &subKey, nullptr)
            != SQLITE_OK)
        std::abort();
    // One transaction: one sync, not one per record.
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    static const int64_t types[] = { 1, 3, 4, 11, 2, 7, 0 };
    for (int record = 0; record < 16 && !in.empty(); ++record) {
        const uint8_t kind = in.byte();
        const std::string name = in.bytes();
        const std::string fold = kind & 2 ? foldOf(name) : in.bytes();
        sqlite3_stmt *statement = kind & 1 ? subKey : value;
        bind(statement, 1, name);
        bind(statement, 2, fold);
        if (statement == value) {
            const uint8_t type = in.byte();
            sqlite3_bind_int64(value, 3, type < 7 ? types[type] : in.number());
            // Short data, or a run of one byte long enough for any fixed read.
            const std::string data = kind & 4 ? std::string(in.byte(), char(in.byte())) : in.bytes();
            bind(value, 4, data);
        }
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_finalize(value);
    sqlite3_finalize(subKey);
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_close(db);
}

// Every typed read of every value the key lists.
void readAll(kvds::IKavoSettings &key, int depth)
{
    std::set<kvtl::WString> names;
    key.GetValueNames(names);
    for (const kvtl::WString &name : names) {
        if (name.empty() || name.size() >= 1024)
            __builtin_trap(); // the walk lists named values only, and stops at long names
        uint64_t qword = 0;
        int32_t i32 = 0;
        uint32_t u32 = 0;
        int64_t i64 = 0;
        float f = 0;
        double d = 0;
        bool b = false;
        std::string text;
        kvtl::WString wide;
        kvtl::MemoryBuffer<unsigned char> bytes;
        key.GetQWord(name, qword);
        key.GetInt(name, i32);
        key.GetUInt(name, u32);
        key.GetInt64(name, i64);
        key.GetUInt64(name, qword);
        key.GetFloat(name, f);
        key.GetDouble(name, d);
        key.GetBool(name, b);
        if (key.GetString(name, wide) && wide.find(u'\0') != kvtl::WString::npos)
            __builtin_trap(); // text ends at its first zero
        key.GetString(name, text);
        if (key.GetBinary(name, bytes) && bytes.Size() == 0)
            __builtin_trap();
    }
    int32_t count = 0;
    key.GetValueCount(count);
    std::set<kvtl::WString> subKeys;
    key.GetSubKeyNames(subKeys);
    key.GetSubKeyCount(count);
    if (depth > 0) {
        for (const kvtl::WString &subKey : subKeys) {
            kvtl::RefCountedPtr<kvds::IKavoSettings> child;
            if (key.OpenChild(subKey, &child))
                readAll(*child, depth - 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    prepare();
    if (size < 2 || size > 1 << 16)
        return 0;
    for (const char *suffix : { "", "-journal", "-wal", "-shm" })
        MemoryFiles::remove(g_hive + suffix);
    FuzzInput in(data, size);
    const bool records = in.byte() & 1;
    static const kvds::SettingsAccessMode modes[]
        = { kvds::ReadUser, kvds::OpenUser, kvds::CreateUserOpenMachine, kvds::ReadUserAndMachine };
    const kvds::SettingsAccessMode mode = modes[in.byte() % 4];
    if (records)
        writeRecords(in);
    else
        MemoryFiles::put(g_hive, in.rest());

    // The objects go before the next input, and with them the hive's connection.
    kvtl::RefCountedPtr<kvds::IKavoSettings> key;
    if (kvds::CreateSettings("Settings/Fuzz/General", mode, &key))
        readAll(*key, 2);
    kvtl::RefCountedPtr<kvds::IKavoSettings> root;
    if (kvds::CreateSettings("Settings", mode, &root))
        readAll(*root, 3);
    return 0;
}
