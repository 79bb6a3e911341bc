#include "ipc/ckavoipcbase.h"

#include "ipc/kavoosautomutex.h"
#include "ipc/kavoospipeerror.h"

namespace kvds {

bool CKavoIPCBase::RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append)
{
    if (prefix.empty() || !cb)
        return false;
    KavoOS::CAutoMutex lock(&m_tableLock, -1);
    return AddCallback(m_callbacks, prefix, cb, append);
}

bool CKavoIPCBase::Send(
    const std::string &sender, const std::string &topic, unsigned length, const void *data, int *delivered)
{
    if (!delivered)
        return false;
    *delivered = 0;
    if (sender.empty() || sender.size() > MaxNameLength || topic.empty() || topic.size() > MaxNameLength
        || (length != 0 && !data))
        return false;
    KavoOS::CAutoMutex lock(&m_sendLock, -1);
    m_delivered = delivered;
    bool sent = false;
    try {
        sent = SendImpl(sender, topic, length, data);
    } catch (...) {
        KavoOS::SetLastError(KavoOS::kErrorNotEnoughMemory);
        *delivered = 0;
    }
    m_delivered = nullptr;
    return sent;
}

// Callers catch: copying allocates.
CallbackTable CKavoIPCBase::CopyCallbacks()
{
    KavoOS::CAutoMutex lock(&m_tableLock, -1);
    return m_callbacks;
}

} // namespace kvds
