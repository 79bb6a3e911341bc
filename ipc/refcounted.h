#pragma once

#include <cstdint>

namespace kvtl {

// Intrusive reference counting base of every IPC and settings interface.
// The count lives in the concrete class (see RefCountedImpl).
class IRefCounted
{
public:
    virtual ~IRefCounted() = default;
    virtual int32_t AddRef() = 0;
    virtual int32_t Release() = 0;
    virtual int32_t GetRefCount() = 0;
};

} // namespace kvtl
