#pragma once

#include <cstdint>
#include <cstring>
#include <new>

namespace kvtl {

// Owner of a heap array; a failed allocation leaves it empty (null Data()).
template <class T> class MemoryBuffer
{
public:
    MemoryBuffer() = default;
    MemoryBuffer(const MemoryBuffer &) = delete;
    MemoryBuffer &operator=(const MemoryBuffer &) = delete;
    virtual ~MemoryBuffer() { Resize(0, false); }

    void Resize(uint32_t count, bool zeroFill)
    {
        if (count != m_size) {
            delete[] m_data;
            m_data = nullptr;
            m_size = 0;
            if (count != 0) {
                m_data = new (std::nothrow) T[count];
                if (m_data)
                    m_size = count;
            }
        }
        if (zeroFill && m_data)
            std::memset(m_data, 0, sizeof(T) * m_size);
    }

    T *Data() const { return m_data; }
    uint32_t Size() const { return m_size; }

private:
    T *m_data = nullptr;
    uint32_t m_size = 0;
};

} // namespace kvtl
