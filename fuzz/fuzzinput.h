#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Takes typed pieces off the front of a fuzz input; past its end every piece
// is zero or empty, so any input gives some well-formed sequence.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool empty() const { return m_size == 0; }

    uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    int64_t number()
    {
        uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value |= uint64_t(byte()) << (8 * i);
        return static_cast<int64_t>(value);
    }

    // A length byte, then that many bytes.
    std::string bytes()
    {
        const size_t length = byte();
        std::string out;
        while (out.size() < length && m_size > 0)
            out.push_back(static_cast<char>(byte()));
        return out;
    }

    std::string rest()
    {
        std::string out(reinterpret_cast<const char *>(m_data), m_size);
        m_data += m_size;
        m_size = 0;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
};
