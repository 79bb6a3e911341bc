#include "ipc/kavothread.h"

#include <system_error>

bool KavoThread::Start()
{
    if (m_handle.joinable())
        return false;
    try {
        m_handle = std::thread(&KavoThread::Trampoline, this);
    } catch (const std::system_error &) {
        return false;
    }
    return true;
}

void KavoThread::Join()
{
    if (m_handle.joinable() && m_handle.get_id() != std::this_thread::get_id())
        m_handle.join();
}

void KavoThread::Trampoline(KavoThread *self)
{
    self->m_id.store(std::this_thread::get_id());
    if (self->m_function)
        self->m_function(self->m_parameter);
}
