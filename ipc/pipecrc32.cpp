#include "ipc/pipecrc32.h"

#include <array>

namespace kvds {

namespace {

constexpr std::array<uint32_t, 256> makeTable()
{
    std::array<uint32_t, 256> table {};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
    return table;
}

// Built by the compiler, so it is ready when the library is loaded and no
// static initialiser runs in a host process.
constexpr std::array<uint32_t, 256> crcTable = makeTable();

} // namespace

uint32_t PipeCrc32(const void *data, unsigned n, uint32_t crc)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    for (unsigned i = 0; i < n; ++i)
        crc = (crc >> 8) ^ crcTable[(crc ^ bytes[i]) & 0xFFu];
    return crc;
}

} // namespace kvds
