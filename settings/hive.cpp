#include "settings/hive.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvreg {

namespace {

constexpr int ApplicationId = 0x4B565247; // "KVRG"
constexpr int SchemaVersion = 1;
constexpr int BusyTimeoutMs = 5000;

const char *const SchemaSql = "CREATE TABLE keys("
                              " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                              " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
                              " name BLOB NOT NULL,"
                              " fold BLOB NOT NULL,"
                              " UNIQUE(parent, fold));"
                              "CREATE TABLE vals("
                              " key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
                              " name BLOB NOT NULL,"
                              " fold BLOB NOT NULL,"
                              " type INTEGER NOT NULL,"
                              " data BLOB NOT NULL,"
                              " PRIMARY KEY(key, fold)) WITHOUT ROWID;"
                              "INSERT INTO keys(id, parent, name, fold) VALUES(1, NULL, x'', x'');"
                              "PRAGMA application_id = 1263948359;"
                              "PRAGMA user_version = 1;";

// Names are UTF-16LE blobs as given; the fold column is the folded name as
// UTF-16BE, so that byte order sorts like the units.
const char *const StatementSql[Hive::StatementCount] = {
    "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2",
    "INSERT INTO keys(parent, name, fold) VALUES(?1, ?2, ?3)",
    "SELECT 1 FROM keys WHERE id = ?1",
    "SELECT count(*), coalesce(max(length(name)), 0) / 2 FROM keys WHERE parent = ?1",
    "SELECT count(*) FROM vals WHERE key = ?1",
    "SELECT name FROM keys WHERE parent = ?1 ORDER BY fold LIMIT 1 OFFSET ?2",
    "SELECT name, type FROM vals WHERE key = ?1 ORDER BY fold LIMIT 1 OFFSET ?2",
    "SELECT type, data FROM vals WHERE key = ?1 AND fold = ?2",
    ("INSERT INTO vals(key, name, fold, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
     " ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data"),
    "DELETE FROM vals WHERE key = ?1 AND fold = ?2",
    "SELECT count(*) FROM keys WHERE parent = ?1",
    "DELETE FROM keys WHERE id = ?1",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
};

bool debugEnabled()
{
    static const bool enabled = std::getenv("KAVO_DEBUG") != nullptr;
    return enabled;
}

void debugSqlite(sqlite3 *db, const char *what)
{
    if (debugEnabled())
        std::fprintf(stderr, "kvreg: %s: %s\n", what, db ? sqlite3_errmsg(db) : "no connection");
}

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string directoryOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::string(".");
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool makeDirectories(const std::string &dir, mode_t mode)
{
    struct stat st
    {
    };
    if (::stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = directoryOf(dir);
    if (parent != dir && !makeDirectories(parent, mode))
        return false;
    return ::mkdir(dir.c_str(), mode) == 0 || errno == EEXIST;
}

// Hives open in this process, by file. The handles own them; the map only
// finds them again.
std::mutex &hivesMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, std::weak_ptr<Hive>> &openHives()
{
    static auto *hives = new std::map<std::string, std::weak_ptr<Hive>>;
    return *hives;
}

int singleInt(sqlite3 *db, const char *sql, int *out)
{
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            *out = sqlite3_column_int(stmt, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    return rc;
}

} // namespace

Hive::~Hive()
{
    for (sqlite3_stmt *stmt : m_statements)
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

std::string Hive::PathOf(Root root)
{
    if (root == Root::LocalMachine) {
        const std::string overridden = environment("KAVO_MACHINE_HIVE");
        return overridden.empty() ? std::string("/etc/xdg/Kavo/Registry/machine.db") : overridden;
    }
    const std::string overridden = environment("KAVO_USER_HIVE");
    if (!overridden.empty())
        return overridden;
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') {
        std::string home = environment("HOME");
        if (home.empty()) {
            if (const passwd *pw = ::getpwuid(::getuid()))
                home = pw->pw_dir ? pw->pw_dir : "";
        }
        if (home.empty())
            return {};
        config = home + "/.config";
    }
    return config + "/Kavo/Registry/user.db";
}

Status Hive::Acquire(Root root, bool create, std::shared_ptr<Hive> &out)
{
    const std::string path = PathOf(root);
    if (path.empty())
        return ERROR_FILE_NOT_FOUND;

    std::lock_guard<std::mutex> lock(hivesMutex());
    auto &hives = openHives();
    auto found = hives.find(path);
    if (found != hives.end()) {
        std::shared_ptr<Hive> hive = found->second.lock();
        struct stat st
        {
        };
        // A file replaced or removed behind our back is opened afresh.
        if (hive && ::stat(path.c_str(), &st) == 0 && st.st_dev == hive->m_device
            && st.st_ino == hive->m_inode) {
            out = std::move(hive);
            return ERROR_SUCCESS;
        }
        hives.erase(found);
    }
    std::shared_ptr<Hive> hive;
    // The user's settings are nobody else's business; the machine's are for all to read.
    const Status status = Open(path, create, root == Root::CurrentUser ? 0700 : 0755, hive);
    if (status != ERROR_SUCCESS)
        return status;
    hives[path] = hive;
    out = std::move(hive);
    return ERROR_SUCCESS;
}

Status Hive::Open(const std::string &path, bool create, unsigned folderMode, std::shared_ptr<Hive> &out)
{
    const std::string dir = directoryOf(path);
    struct stat st
    {
    };
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return ERROR_BADDB;
    if (!exists) {
        if (!create)
            return ERROR_FILE_NOT_FOUND;
        if (!makeDirectories(dir, static_cast<mode_t>(folderMode)))
            return ERROR_ACCESS_DENIED;
    }
    // The rollback journal lives beside the file, so writing needs the folder too.
    const bool writable = ::access(dir.c_str(), W_OK) == 0 && (!exists || ::access(path.c_str(), W_OK) == 0);
    if (!exists && !writable)
        return ERROR_ACCESS_DENIED;

    std::shared_ptr<Hive> hive(new Hive);
    hive->m_path = path;
    hive->m_readOnly = !writable;
    const int flags = writable ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.c_str(), &hive->m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        debugSqlite(hive->m_db, "open");
        return writable ? ERROR_BADDB : ERROR_ACCESS_DENIED;
    }
    if (!hive->m_readOnly && sqlite3_db_readonly(hive->m_db, "main") == 1)
        hive->m_readOnly = true;
    sqlite3_busy_timeout(hive->m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(hive->m_db, 1);
    if (sqlite3_exec(hive->m_db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr) != SQLITE_OK) {
        debugSqlite(hive->m_db, "foreign keys");
        return ERROR_BADDB;
    }
    const Status schema = hive->PrepareSchema();
    if (schema != ERROR_SUCCESS)
        return schema;
    if (::stat(path.c_str(), &st) != 0)
        return ERROR_FILE_NOT_FOUND;
    hive->m_device = static_cast<unsigned long>(st.st_dev);
    hive->m_inode = static_cast<unsigned long>(st.st_ino);
    out = std::move(hive);
    return ERROR_SUCCESS;
}

Status Hive::PrepareSchema()
{
    int appId = 0;
    int rc = singleInt(m_db, "PRAGMA application_id", &appId);
    if (rc != SQLITE_OK) {
        debugSqlite(m_db, "application id");
        return rc == SQLITE_BUSY ? ERROR_BUSY : ERROR_BADDB;
    }
    if (appId == 0) {
        // Only an empty database becomes a hive; any other file is left alone.
        if (m_readOnly)
            return ERROR_FILE_NOT_FOUND;
        if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
            debugSqlite(m_db, "begin schema");
            return ERROR_BUSY;
        }
        int tables = -1;
        rc = singleInt(m_db, "PRAGMA application_id", &appId);
        if (rc == SQLITE_OK)
            rc = singleInt(m_db, "SELECT count(*) FROM sqlite_master", &tables);
        Status status = ERROR_SUCCESS;
        if (rc != SQLITE_OK)
            status = ERROR_BADDB;
        else if (appId == 0 && tables == 0
            && sqlite3_exec(m_db, SchemaSql, nullptr, nullptr, nullptr) != SQLITE_OK)
            status = ERROR_BADDB;
        else if (appId == 0 && tables != 0)
            status = ERROR_BADDB;
        if (status == ERROR_SUCCESS && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
            return ERROR_SUCCESS;
        debugSqlite(m_db, "create schema");
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return status == ERROR_SUCCESS ? ERROR_BUSY : status;
    }
    if (appId != ApplicationId)
        return ERROR_BADDB;
    int version = 0;
    if (singleInt(m_db, "PRAGMA user_version", &version) != SQLITE_OK || version != SchemaVersion)
        return ERROR_BADDB;
    return ERROR_SUCCESS;
}

sqlite3_stmt *Hive::Prepared(Statement which)
{
    sqlite3_stmt *&stmt = m_statements[which];
    if (!stmt) {
        if (sqlite3_prepare_v3(m_db, StatementSql[which], -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr)
            != SQLITE_OK) {
            debugSqlite(m_db, StatementSql[which]);
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
    }
    return stmt;
}

bool Hive::Exec(Statement which)
{
    sqlite3_stmt *stmt = Prepared(which);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE) {
        debugSqlite(m_db, StatementSql[which]);
        return false;
    }
    return true;
}

Status Hive::StatusOf(int sqliteCode) const
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_BUSY;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    case SQLITE_CONSTRAINT:
        return sqliteCode == SQLITE_CONSTRAINT_FOREIGNKEY ? ERROR_KEY_DELETED : ERROR_INVALID_PARAMETER;
    default:
        debugSqlite(m_db, "statement");
        return ERROR_BADDB;
    }
}

} // namespace kvreg
