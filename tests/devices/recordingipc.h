#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedimpl.h"

#include <QByteArray>
#include <QList>

#include <string>

// An endpoint that keeps what is sent through it instead of delivering it.
// Every instance appends to one shared log, so a test can look at the
// notices of the store and of its records together.
struct SentNotice
{
    std::string sender;
    std::string topic;
    QByteArray payload;
};

class RecordingIPC : public kvtl::RefCountedImpl<kvds::IKavoIPC>
{
public:
    using kvds::IKavoIPC::RegisterCallback;
    using kvds::IKavoIPC::Send;

    bool RegisterCallback(const std::string &, kvds::IKavoIPCCallback *, bool) override { return false; }
    bool Send(const std::string &sender, const std::string &topic, unsigned length, const void *data,
        int *delivered) override;

    static QList<SentNotice> &log();
    // An endpoint factory for TransferDevices::instance.
    static bool create(kvds::IKavoIPC **out);
    // A factory that fails, for a store without notices.
    static bool fail(kvds::IKavoIPC **out);
};
