#pragma once

#include <cstdint>

// The payload of every "Device/..." notice: three 32-bit little-endian words,
// always 1, the device id, and the state (0 removed, 1 present, 3 present
// with lumo registration state 1).

namespace TransferDevicesLibrary {

struct TransferDeviceNotice
{
    static constexpr unsigned Size = 12;

    uint32_t one = 1;
    uint32_t deviceId = 0;
    uint32_t state = 0;

    void encode(unsigned char (&out)[Size]) const
    {
        const uint32_t words[3] = { one, deviceId, state };
        for (int w = 0; w < 3; ++w)
            for (int b = 0; b < 4; ++b)
                out[w * 4 + b] = static_cast<unsigned char>(words[w] >> (8 * b));
    }

    // False unless exactly Size bytes are given.
    bool decode(const void *data, unsigned length)
    {
        if (!data || length != Size)
            return false;
        const auto *in = static_cast<const unsigned char *>(data);
        uint32_t words[3] = { 0, 0, 0 };
        for (int w = 0; w < 3; ++w)
            for (int b = 0; b < 4; ++b)
                words[w] |= uint32_t(in[w * 4 + b]) << (8 * b);
        one = words[0];
        deviceId = words[1];
        state = words[2];
        return true;
    }
};

} // namespace TransferDevicesLibrary
