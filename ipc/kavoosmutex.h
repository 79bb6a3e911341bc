#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

namespace KavoOS {

// A recursive process-local lock. The named, system-wide form is not built
// on this platform: a mutex constructed with a name holds no lock, and its
// Lock and Unlock fail with -1 (IsValid tells).
class CKavoMutex
{
public:
    explicit CKavoMutex(const char *name = nullptr, int32_t defaultWaitMs = -1);
    CKavoMutex(const CKavoMutex &) = delete;
    CKavoMutex &operator=(const CKavoMutex &) = delete;
    virtual ~CKavoMutex();

    void SetTimeout(int32_t ms) { m_defaultWaitMs = ms; }
    // 0 on success, -1 on failure. The unnamed lock blocks without limit.
    int Lock(int32_t ms = -1);
    int Unlock();
    bool IsValid() const { return m_lock != nullptr; }
    bool IsNamed() const { return m_named; }

private:
    std::recursive_mutex *m_lock;
    bool m_named;
    // CAutoMutex sets it before locking, so threads that share the lock
    // write it concurrently.
    std::atomic<int32_t> m_defaultWaitMs;
};

} // namespace KavoOS
