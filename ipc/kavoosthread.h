#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace KavoOS {

// A worker gets the address of its stop flag, the user data and the value;
// it reads the flag on every pass of its loop and returns once it is set.
using ThreadProc = void (*)(std::atomic<bool> *stop, void *userData, int32_t value);

// A stoppable worker thread. The stop flag is atomic because the stopping
// thread writes it while the worker reads it.
class CKavoThread
{
public:
    enum Priority {
        PriorityLowest = 0,
        PriorityBelowNormal = 1,
        PriorityNormal = 2,
        PriorityHighest = 3,
        PriorityTimeCritical = 4,
    };

    CKavoThread(ThreadProc proc, void *userData, int32_t value, int priority = PriorityNormal);
    CKavoThread(const CKavoThread &) = delete;
    CKavoThread &operator=(const CKavoThread &) = delete;
    virtual ~CKavoThread();

    // Runs the worker on a new thread with the stop flag cleared. A thread
    // still held from an earlier Start, or being stopped by another thread,
    // is waited for first. From a worker that is being stopped it does
    // nothing.
    void Start();
    // Raises the stop flag; unless noWait, waits for the worker to return
    // and lets the thread go, also when another thread is already stopping
    // it. On the worker's own thread it never waits.
    void Stop(bool noWait);
    // True from Start until a waiting Stop: the thread may have ended.
    bool IsStarted() const;

private:
    // Outlives this object when the worker is still running at destruction.
    struct Shared;

    // On the worker itself, before its function; each platform's own form.
    static void ApplyPriority(int priority);

    void StopLocked(std::unique_lock<std::mutex> &lock, bool noWait);
    // Until no other thread is joining a worker; false on that worker itself.
    bool AwaitJoined(std::unique_lock<std::mutex> &lock);

    int32_t m_value;
    ThreadProc m_proc;
    void *m_userData;
    std::thread m_thread;
    std::shared_ptr<Shared> m_shared;
    int m_priority;
    mutable std::mutex m_handleLock;
    std::condition_variable m_joined;
    // The worker another thread is joining, with m_handleLock released.
    std::thread::id m_joining;
};

} // namespace KavoOS
