#pragma once

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
    QRecursiveMutex mutex;
    bool initialized = false;
};

} // namespace TransferDevicesLibrary
