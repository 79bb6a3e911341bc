#pragma once

#include "settings/regtypes.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace kvreg {

// One hive file: a single SQLite connection per file and process, shared by
// every key handle open in it, with its statements prepared once. Every use
// holds the mutex, so handles may live on different threads.
class Hive
{
public:
    enum Statement {
        FindChild,
        InsertKey,
        KeyExists,
        SubKeyInfo,
        ValueCount,
        EnumSubKey,
        EnumValue,
        QueryValue,
        SetValue,
        DeleteValue,
        CountSubKeys,
        DeleteKeyRow,
        Begin,
        Commit,
        Rollback,
        StatementCount
    };

    ~Hive();
    Hive(const Hive &) = delete;
    Hive &operator=(const Hive &) = delete;

    // The hive file of root, from KAVO_USER_HIVE / KAVO_MACHINE_HIVE or the
    // XDG locations. Empty when no location can be made out.
    static std::string PathOf(Root root);

    // The open hive of root. Without create a missing file is not made and
    // gives ERROR_FILE_NOT_FOUND. A file that is not a hive gives ERROR_BADDB
    // and is left untouched.
    static Status Acquire(Root root, bool create, std::shared_ptr<Hive> &out);

    bool ReadOnly() const { return m_readOnly; }
    std::mutex &Mutex() { return m_mutex; }
    sqlite3 *Db() const { return m_db; }
    // A prepared statement, reset and unbound; null when preparing failed.
    sqlite3_stmt *Prepared(Statement which);
    // Runs the cached BEGIN IMMEDIATE / COMMIT / ROLLBACK.
    bool Exec(Statement which);
    // Maps an SQLite result code to a registry status.
    Status StatusOf(int sqliteCode) const;

private:
    Hive() = default;
    static Status Open(const std::string &path, bool create, unsigned folderMode, std::shared_ptr<Hive> &out);
    Status PrepareSchema();

    std::mutex m_mutex;
    sqlite3 *m_db = nullptr;
    bool m_readOnly = false;
    std::string m_path;
    unsigned long m_device = 0;
    unsigned long m_inode = 0;
    std::array<sqlite3_stmt *, StatementCount> m_statements {};
};

} // namespace kvreg
