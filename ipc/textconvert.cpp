#include "ipc/textconvert.h"

#include "ipc/memorybuffer.h"

#include <cstdint>

namespace kvtl {

std::string WideToUtf8(const WString &in)
{
    if (in.empty())
        return {};
    const size_t n = in.size();
    if (n > (UINT32_MAX - 1) / 4)
        return {};
    MemoryBuffer<char> buffer;
    buffer.Resize(static_cast<uint32_t>(4 * n + 1), false);
    auto *out = reinterpret_cast<unsigned char *>(buffer.Data());
    if (!out)
        return {};

    size_t o = 0;
    for (size_t i = 0; i < n; ++i) {
        uint32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 == n)
                return {};
            const uint32_t next = in[i + 1];
            if (next >= 0xDC00 && next <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
                ++i;
            }
        }
        if (cp < 0x80) {
            out[o++] = static_cast<unsigned char>(cp);
        } else if (cp < 0x800) {
            out[o++] = static_cast<unsigned char>(0xC0 | (cp >> 6));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out[o++] = static_cast<unsigned char>(0xE0 | (cp >> 12));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            out[o++] = static_cast<unsigned char>(0xF0 | (cp >> 18));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
    }
    out[o] = 0;
    return std::string(buffer.Data());
}

WString Utf8ToWide(const std::string &in)
{
    if (in.empty())
        return {};
    const size_t n = in.size();
    if (n > UINT32_MAX - 1)
        return {};
    MemoryBuffer<unsigned short> buffer;
    buffer.Resize(static_cast<uint32_t>(n + 1), false);
    unsigned short *out = buffer.Data();
    if (!out)
        return {};

    const auto *s = reinterpret_cast<const unsigned char *>(in.data());
    size_t o = 0;
    for (size_t i = 0; i < n;) {
        const unsigned char lead = s[i];
        int trailing;
        if (lead <= 0xBF)
            trailing = 0;
        else if (lead <= 0xDF)
            trailing = 1;
        else if (lead <= 0xEF)
            trailing = 2;
        else if (lead <= 0xF7)
            trailing = 3;
        else if (lead <= 0xFB)
            trailing = 4;
        else
            trailing = 5;
        if (static_cast<size_t>(trailing) > n - 1 - i)
            return {};

        // Well-formedness, as the Unicode table of legal sequences has it.
        if ((lead >= 0x80 && lead <= 0xC1) || lead >= 0xF5)
            return {};
        for (int k = 1; k <= trailing; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return {};
        }
        if (trailing >= 1) {
            const unsigned char second = s[i + 1];
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F)
                || (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
                return {};
        }

        uint32_t cp = trailing == 0 ? lead : (lead & (0x3F >> trailing));
        for (int k = 1; k <= trailing; ++k)
            cp = (cp << 6) | (s[i + k] & 0x3F);
        i += static_cast<size_t>(trailing) + 1;

        if (cp <= 0xFFFF) {
            out[o++] = (cp >= 0xD800 && cp <= 0xDFFF) ? 0xFFFD : static_cast<unsigned short>(cp);
        } else if (cp <= 0x10FFFF) {
            cp -= 0x10000;
            out[o++] = static_cast<unsigned short>(0xD800 + (cp >> 10));
            out[o++] = static_cast<unsigned short>(0xDC00 + (cp & 0x3FF));
        } else {
            out[o++] = 0xFFFD;
        }
    }
    out[o] = 0;
    WString result;
    for (size_t k = 0; k < o && out[k] != 0; ++k)
        result.push_back(static_cast<char16_t>(out[k]));
    return result;
}

} // namespace kvtl
