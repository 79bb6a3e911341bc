#pragma once

#include <cstdint>

namespace kvds {

// Reflected CRC with polynomial 0xEDB88320, without the final inversion:
// frames start from 0xFFFFFFFF, so the value is the complement of the usual
// CRC-32 of the payload.
uint32_t PipeCrc32(const void *data, unsigned n, uint32_t crc);

} // namespace kvds
