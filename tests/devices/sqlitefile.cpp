#include "tests/devices/sqlitefile.h"

#include <sqlite3.h>

namespace SqliteFile {

namespace {

struct Handle
{
    explicit Handle(const QString &path)
    {
        if (sqlite3_open_v2(
                path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
        } else {
            sqlite3_busy_timeout(db, 60000);
        }
    }
    ~Handle() { sqlite3_close(db); }
    sqlite3 *db = nullptr;
};

} // namespace

bool exec(const QString &path, const QString &statements)
{
    Handle h(path);
    return h.db
        && sqlite3_exec(h.db, statements.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString value(const QString &path, const QString &query)
{
    Handle h(path);
    sqlite3_stmt *statement = nullptr;
    if (!h.db || sqlite3_prepare_v2(h.db, query.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return QStringLiteral("<error>");
    QString result;
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) {
        if (sqlite3_column_type(statement, 0) == SQLITE_NULL)
            result = QStringLiteral("<null>");
        else
            result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    } else {
        result = rc == SQLITE_DONE ? QStringLiteral("<none>") : QStringLiteral("<error>");
    }
    sqlite3_finalize(statement);
    return result;
}

QStringList tables(const QString &path)
{
    QStringList names;
    Handle h(path);
    sqlite3_stmt *statement = nullptr;
    if (!h.db
        || sqlite3_prepare_v2(h.db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1,
               &statement, nullptr)
            != SQLITE_OK)
        return names;
    while (sqlite3_step(statement) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return names;
}

QString integrityCheck(const QString &path)
{
    return value(path, QStringLiteral("PRAGMA integrity_check"));
}

} // namespace SqliteFile
