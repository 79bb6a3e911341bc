#pragma once

#include "ipc/callbacktable.h"
#include "ipc/ikavoipc.h"
#include "ipc/iprotocolipc.h"
#include "ipc/itransportipc.h"
#include "ipc/kavoosmutex.h"
#include "ipc/refcountedptr.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace kvds {

// What endpoints over a transport and a protocol share: argument checks, the
// callback table and the two locks, which are never held together and never
// while a callback runs. The concrete class supplies the reference count and
// SendImpl.
class CKavoIPCBase : public IKavoIPC
{
public:
    static constexpr size_t MaxNameLength = 256;

    using IKavoIPC::RegisterCallback;
    using IKavoIPC::Send;
    bool RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append) override;
    bool Send(const std::string &sender, const std::string &topic, unsigned length, const void *data,
        int *delivered) override;

    // Runs under the send lock; counts a delivery through m_delivered.
    virtual bool SendImpl(
        const std::string &sender, const std::string &topic, unsigned length, const void *data)
        = 0;

protected:
    // A copy holding its own references, so callbacks run without the lock
    // and may register or send.
    CallbackTable CopyCallbacks();

    KavoOS::CKavoMutex m_sendLock;
    KavoOS::CKavoMutex m_tableLock;
    CallbackTable m_callbacks;
    kvtl::RefCountedPtr<ITransportIPC> m_transport;
    kvtl::RefCountedPtr<IProtocolIPC> m_protocol;
    int *m_delivered = nullptr;
};

} // namespace kvds
