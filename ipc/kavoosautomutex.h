#pragma once

#include "ipc/kavoosmutex.h"

#include <cstdint>

namespace KavoOS {

// Holds a CKavoMutex for a scope. A null mutex is allowed and does nothing.
class CAutoMutex
{
public:
    explicit CAutoMutex(CKavoMutex *mutex, int32_t waitMs = -1)
        : m_mutex(mutex)
    {
        if (m_mutex) {
            m_mutex->SetTimeout(waitMs);
            m_mutex->Lock(-1);
        }
    }
    CAutoMutex(const CAutoMutex &) = delete;
    CAutoMutex &operator=(const CAutoMutex &) = delete;
    virtual ~CAutoMutex()
    {
        Unlock();
        m_mutex = nullptr;
    }

    // Leaves the lock before the end of the scope.
    void Unlock()
    {
        if (m_mutex && !m_released) {
            m_mutex->Unlock();
            m_released = true;
        }
    }

private:
    CKavoMutex *m_mutex;
    bool m_released = false;
};

} // namespace KavoOS
