#pragma once

#include <condition_variable>
#include <mutex>

namespace KavoOS {

// A manual-reset event: once set it stays set, releasing every waiter,
// until Reset.
class CKavoEvent
{
public:
    explicit CKavoEvent(bool initiallySet = false);
    CKavoEvent(const CKavoEvent &) = delete;
    CKavoEvent &operator=(const CKavoEvent &) = delete;
    virtual ~CKavoEvent() = default;

    void Set();
    void Reset();
    bool IsSet() const;
    // ms < 0 waits without limit; true when the event is set.
    bool Wait(int ms) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_set;
};

} // namespace KavoOS
