#include "ipc/kavoosevent.h"

#include <chrono>

namespace KavoOS {

CKavoEvent::CKavoEvent(bool initiallySet)
    : m_set(initiallySet)
{
}

void CKavoEvent::Set()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

void CKavoEvent::Reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_set = false;
}

bool CKavoEvent::IsSet() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_set;
}

bool CKavoEvent::Wait(int ms) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (ms < 0) {
        m_changed.wait(lock, [this] { return m_set; });
        return true;
    }
    return m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_set; });
}

} // namespace KavoOS
