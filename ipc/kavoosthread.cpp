#include "ipc/kavoosthread.h"

#include "ipc/kavoosevent.h"

#include <new>
#include <system_error>

namespace KavoOS {

struct CKavoThread::Shared
{
    std::atomic<bool> stop { false };
    CKavoEvent finished { true };
};

CKavoThread::CKavoThread(ThreadProc proc, void *userData, int32_t value, int priority)
    : m_value(value)
    , m_proc(proc)
    , m_userData(userData)
    , m_shared(std::make_shared<Shared>())
    , m_priority(priority)
{
}

CKavoThread::~CKavoThread()
{
    std::unique_lock<std::mutex> lock(m_handleLock);
    StopLocked(lock, false);
    if (m_thread.joinable()) {
        // Destroyed on the worker itself: it keeps the shared flag and event.
        m_thread.detach();
    }
    m_userData = nullptr;
}

void CKavoThread::Start()
{
    if (!m_proc)
        return;
    std::unique_lock<std::mutex> lock(m_handleLock);
    if (m_thread.joinable()) {
        StopLocked(lock, false);
        if (m_thread.joinable())
            return; // Start from the worker itself: it is still running.
    }
    if (!AwaitJoined(lock))
        return;
    // Each run has its own flag and event: a Stop still waiting for the
    // last run must not see them reset.
    try {
        m_shared = std::make_shared<Shared>();
    } catch (const std::bad_alloc &) {
        return;
    }
    std::shared_ptr<Shared> shared = m_shared;
    shared->finished.Reset();
    try {
        m_thread = std::thread(
            [shared, proc = m_proc, userData = m_userData, value = m_value, priority = m_priority] {
                CKavoThread::ApplyPriority(priority);
                proc(&shared->stop, userData, value);
                shared->finished.Set();
            });
    } catch (const std::exception &) {
        shared->finished.Set();
    }
}

void CKavoThread::Stop(bool noWait)
{
    std::unique_lock<std::mutex> lock(m_handleLock);
    StopLocked(lock, noWait);
}

bool CKavoThread::IsStarted() const
{
    std::lock_guard<std::mutex> lock(m_handleLock);
    return m_thread.joinable();
}

bool CKavoThread::AwaitJoined(std::unique_lock<std::mutex> &lock)
{
    if (m_joining == std::this_thread::get_id())
        return false;
    m_joined.wait(lock, [this] { return m_joining == std::thread::id(); });
    return true;
}

void CKavoThread::StopLocked(std::unique_lock<std::mutex> &lock, bool noWait)
{
    if (!m_thread.joinable()) {
        if (!noWait)
            AwaitJoined(lock);
        return;
    }
    m_shared->stop.store(true);
    if (noWait || m_thread.get_id() == std::this_thread::get_id())
        return;
    std::thread worker = std::move(m_thread);
    std::shared_ptr<Shared> shared = m_shared;
    m_joining = worker.get_id();
    // Others may raise the flag meanwhile; they wait for this join to end.
    lock.unlock();
    shared->finished.Wait(-1);
    worker.join();
    lock.lock();
    m_joining = std::thread::id();
    m_joined.notify_all();
}

} // namespace KavoOS
