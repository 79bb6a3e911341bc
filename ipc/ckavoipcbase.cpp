#include "ipc/ckavoipcbase.h"

#include "ipc/kavoosautomutex.h"

namespace kvds {

bool CKavoIPCBase::RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append)
{
    if (prefix.empty() || !cb)
        return false;
    KavoOS::CAutoMutex lock(&m_tableLock, -1);
    CallbackList &list = m_callbacks[prefix];
    if (!append)
        list.clear();
    list.emplace_back(cb);
    return true;
}

bool CKavoIPCBase::Send(const std::string &sender, const std::string &topic, unsigned length, const void *data,
                        int *delivered)
{
    if (!delivered)
        return false;
    *delivered = 0;
    if (sender.empty() || sender.size() > MaxNameLength || topic.empty() || topic.size() > MaxNameLength
        || (length != 0 && !data))
        return false;
    KavoOS::CAutoMutex lock(&m_sendLock, -1);
    m_delivered = delivered;
    const bool sent = SendImpl(sender, topic, length, data);
    m_delivered = nullptr;
    return sent;
}

CKavoIPCBase::CallbackTable CKavoIPCBase::CopyCallbacks()
{
    KavoOS::CAutoMutex lock(&m_tableLock, -1);
    return m_callbacks;
}

} // namespace kvds
