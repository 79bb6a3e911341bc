#pragma once

#include <QString>
#include <QStringList>

// Looks at a database file directly through the SQLite library, the way
// another program would, while no store has it open.
namespace SqliteFile {

bool exec(const QString &path, const QString &statements);
// The first column of the first row as text; "<null>" for NULL, "<none>"
// when there is no row, "<error>" when the statement fails.
QString value(const QString &path, const QString &query);
QStringList tables(const QString &path);
QString integrityCheck(const QString &path);

} // namespace SqliteFile
