#pragma once

#include "devices/preparedstatements.h"
#include "ipc/ikavoipc.h"
#include "ipc/refcountedptr.h"

#include <QRecursiveMutex>
#include <QSqlDatabase>

#include <string>

namespace TransferDevicesLibrary {

// The store's private state; the records reach it through the singleton.
struct TransferDevicesData
{
    std::string componentId;
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    QSqlDatabase database;
    PreparedStatements statements;
    QRecursiveMutex mutex;
    bool initialized = false;
    // Open for reading only: the file could not be written when opened.
    bool readOnly = false;
    // The file failed its check when opened; the store is closed.
    bool damaged = false;

    // A prepared statement of the connection, reset when the Use ends.
    PreparedStatements::Use statement(const char *text)
    {
        return PreparedStatements::Use(statements.get(database, QString::fromLatin1(text)));
    }
    PreparedStatements::Use statement(const QString &text)
    {
        return PreparedStatements::Use(statements.get(database, text));
    }
};

} // namespace TransferDevicesLibrary
