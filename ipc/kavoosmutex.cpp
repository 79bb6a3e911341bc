#include "ipc/kavoosmutex.h"

#include <new>

namespace KavoOS {

CKavoMutex::CKavoMutex(const char *name, int32_t defaultWaitMs)
    : m_lock(name ? nullptr : new (std::nothrow) std::recursive_mutex)
    , m_named(name != nullptr)
    , m_defaultWaitMs(defaultWaitMs)
{
}

CKavoMutex::~CKavoMutex()
{
    delete m_lock;
}

int CKavoMutex::Lock(int32_t)
{
    if (!m_lock)
        return -1;
    m_lock->lock();
    return 0;
}

int CKavoMutex::Unlock()
{
    if (!m_lock)
        return -1;
    m_lock->unlock();
    return 0;
}

} // namespace KavoOS
