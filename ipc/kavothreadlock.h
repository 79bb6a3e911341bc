#pragma once

#include <mutex>

// A recursive process-local lock: the thread that holds it may enter it
// again, and must leave it as often.
class KavoThreadLock
{
public:
    class ScopeLock
    {
    public:
        explicit ScopeLock(KavoThreadLock &lock)
            : m_lock(&lock)
        {
            m_lock->Lock();
        }
        ScopeLock(const ScopeLock &) = delete;
        ScopeLock &operator=(const ScopeLock &) = delete;
        virtual ~ScopeLock() { m_lock->Unlock(); }

    private:
        KavoThreadLock *m_lock;
    };

    KavoThreadLock() = default;
    KavoThreadLock(const KavoThreadLock &) = delete;
    KavoThreadLock &operator=(const KavoThreadLock &) = delete;
    virtual ~KavoThreadLock() = default;

    void Lock() { m_section.lock(); }
    bool TryLock() { return m_section.try_lock(); }
    void Unlock() { m_section.unlock(); }

private:
    std::recursive_mutex m_section;
};
