#pragma once

#include <atomic>
#include <cstdint>

namespace kvtl {

// The count every concrete class carries, starting at 0. Atomic because the
// endpoints copy their callback tables on worker threads while the owner
// takes and drops references on its own.
template <class Interface> class RefCountedImpl : public Interface
{
public:
    int32_t AddRef() override { return ++m_refCount; }
    int32_t Release() override
    {
        const int32_t count = --m_refCount;
        if (count > 0)
            return count;
        delete this;
        return 0;
    }
    int32_t GetRefCount() override { return m_refCount.load(); }

protected:
    using Interface::Interface;

private:
    std::atomic<int32_t> m_refCount { 0 };
};

} // namespace kvtl
