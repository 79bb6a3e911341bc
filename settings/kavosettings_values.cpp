// Typed values: the encodings of the registry and the checks that keep a
// value of another type or size from being read as this one.
#include "settings/kavosettings.h"

#include "settings/registry.h"

#include <cstring>

namespace kvds {

namespace {

uint64_t fromLittleEndian(const unsigned char *bytes, size_t count)
{
    uint64_t value = 0;
    for (size_t i = count; i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

void toLittleEndian(uint64_t value, unsigned char *bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i, value >>= 8)
        bytes[i] = static_cast<unsigned char>(value & 0xFF);
}

bool acceptInteger(uint32_t type, uint32_t size)
{
    return (type == REG_QWORD || type == REG_DWORD) && (size == 8 || size == 4);
}

bool acceptDword(uint32_t type, uint32_t size)
{
    return type == REG_DWORD && size == 4;
}

bool acceptQword(uint32_t type, uint32_t size)
{
    return type == REG_QWORD && size == 8;
}

} // namespace

bool KavoSettings::ReadFixed(const kvtl::WString &key, uint32_t capacity,
    bool (*accept)(uint32_t type, uint32_t size), unsigned char *bytes)
{
    if (key.empty() || !EnsureOpen())
        return false;
    const kvreg::RegKey *attempts[2] = { &PrimaryKey(), HasFallback() ? &m_machineKey : nullptr };
    for (const kvreg::RegKey *regKey : attempts) {
        if (!regKey || !regKey->IsOpen())
            continue;
        // A scratch buffer, so that a value refused below never reaches the caller.
        unsigned char scratch[8] = {};
        uint32_t type = REG_NONE;
        uint32_t size = capacity;
        if (kvreg::QueryValue(*regKey, key, &type, scratch, &size) == ERROR_SUCCESS && accept(type, size)) {
            std::memcpy(bytes, scratch, size);
            return true;
        }
    }
    return false;
}

bool KavoSettings::ReadSized(const kvtl::WString &key, uint32_t wantedType, std::string &bytes)
{
    if (key.empty() || !EnsureOpen())
        return false;
    const kvreg::RegKey *attempts[2] = { &PrimaryKey(), HasFallback() ? &m_machineKey : nullptr };
    for (const kvreg::RegKey *regKey : attempts) {
        if (!regKey || !regKey->IsOpen())
            continue;
        uint32_t type = REG_NONE;
        uint32_t size = 0;
        if (kvreg::QueryValue(*regKey, key, &type, nullptr, &size) != ERROR_SUCCESS || type != wantedType
            || size == 0)
            continue;
        // Another process may change the value between the two queries; the
        // second must see the same type and size.
        std::string data(size, '\0');
        uint32_t again = size;
        if (kvreg::QueryValue(*regKey, key, &type, data.data(), &again) != ERROR_SUCCESS || type != wantedType
            || again != size)
            continue;
        bytes = std::move(data);
        return true;
    }
    return false;
}

bool KavoSettings::WriteValue(const kvtl::WString &key, uint32_t type, const void *data, uint32_t size)
{
    if (key.empty() || !EnsureOpen())
        return false;
    const kvreg::RegKey &primary = PrimaryKey();
    return primary.IsOpen() && kvreg::SetValue(primary, key, type, data, size) == ERROR_SUCCESS;
}

bool KavoSettings::WriteBits(const kvtl::WString &key, uint32_t type, uint64_t bits, uint32_t size)
{
    unsigned char bytes[8];
    toLittleEndian(bits, bytes, size);
    return WriteValue(key, type, bytes, size);
}

bool KavoSettings::SetQWord(const kvtl::WString &key, uint64_t value)
{
    return WriteBits(key, REG_QWORD, value, 8);
}

bool KavoSettings::SetInt(const kvtl::WString &key, int32_t value)
{
    return SetQWord(key, static_cast<uint64_t>(static_cast<int64_t>(value)));
}

bool KavoSettings::SetUInt(const kvtl::WString &key, uint32_t value)
{
    return SetQWord(key, static_cast<uint64_t>(value));
}

bool KavoSettings::SetInt64(const kvtl::WString &key, int64_t value)
{
    return SetQWord(key, static_cast<uint64_t>(value));
}

bool KavoSettings::SetUInt64(const kvtl::WString &key, uint64_t value)
{
    return SetQWord(key, value);
}

bool KavoSettings::SetFloat(const kvtl::WString &key, float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return WriteBits(key, REG_DWORD, bits, 4);
}

bool KavoSettings::SetDouble(const kvtl::WString &key, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, 8);
    return WriteBits(key, REG_QWORD, bits, 8);
}

bool KavoSettings::SetBool(const kvtl::WString &key, bool value)
{
    const unsigned char bytes[4] = { static_cast<unsigned char>(value ? 1 : 0), 0, 0, 0 };
    return WriteValue(key, REG_DWORD, bytes, 4);
}

bool KavoSettings::SetString(const kvtl::WString &key, const kvtl::WString &value)
{
    if (value.size() >= kvreg::MaxValueSize / 2)
        return false;
    // UTF-16LE with the terminating zero unit counted.
    std::string bytes((value.size() + 1) * 2, '\0');
    for (size_t i = 0; i < value.size(); ++i) {
        bytes[2 * i] = static_cast<char>(value[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(value[i] >> 8);
    }
    return WriteValue(key, REG_SZ, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

bool KavoSettings::SetBinary(const kvtl::WString &key, const unsigned char *data, uint32_t size)
{
    if (size != 0 && !data)
        return false;
    return WriteValue(key, REG_BINARY, data, size);
}

bool KavoSettings::GetQWord(const kvtl::WString &key, uint64_t &value)
{
    unsigned char bytes[8] = {};
    if (!ReadFixed(key, 8, acceptInteger, bytes))
        return false;
    // A 4-byte REG_DWORD fills the low half; the high half stays zero.
    value = fromLittleEndian(bytes, 8);
    return true;
}

bool KavoSettings::GetInt(const kvtl::WString &key, int32_t &value)
{
    uint64_t wide = 0;
    if (!GetQWord(key, wide))
        return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(wide & 0xFFFFFFFFu));
    return true;
}

bool KavoSettings::GetUInt(const kvtl::WString &key, uint32_t &value)
{
    uint64_t wide = 0;
    if (!GetQWord(key, wide))
        return false;
    value = static_cast<uint32_t>(wide & 0xFFFFFFFFu);
    return true;
}

bool KavoSettings::GetInt64(const kvtl::WString &key, int64_t &value)
{
    uint64_t wide = 0;
    if (!GetQWord(key, wide))
        return false;
    value = static_cast<int64_t>(wide);
    return true;
}

bool KavoSettings::GetUInt64(const kvtl::WString &key, uint64_t &value)
{
    return GetQWord(key, value);
}

bool KavoSettings::GetFloat(const kvtl::WString &key, float &value)
{
    unsigned char bytes[4] = {};
    if (!ReadFixed(key, 4, acceptDword, bytes))
        return false;
    const uint32_t bits = static_cast<uint32_t>(fromLittleEndian(bytes, 4));
    std::memcpy(&value, &bits, 4);
    return true;
}

bool KavoSettings::GetDouble(const kvtl::WString &key, double &value)
{
    unsigned char bytes[8] = {};
    if (!ReadFixed(key, 8, acceptQword, bytes))
        return false;
    const uint64_t bits = fromLittleEndian(bytes, 8);
    std::memcpy(&value, &bits, 8);
    return true;
}

bool KavoSettings::GetBool(const kvtl::WString &key, bool &value)
{
    unsigned char bytes[4] = {};
    if (!ReadFixed(key, 4, acceptDword, bytes))
        return false;
    value = fromLittleEndian(bytes, 4) != 0;
    return true;
}

bool KavoSettings::GetString(const kvtl::WString &key, kvtl::WString &value)
{
    std::string bytes;
    if (!ReadSized(key, REG_SZ, bytes))
        return false;
    // The text ends at the first zero unit; an odd last byte is a unit of its own.
    kvtl::WString text;
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned lo = static_cast<unsigned char>(bytes[i]);
        const unsigned hi = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == u'\0')
            break;
        text.push_back(unit);
    }
    value = std::move(text);
    return true;
}

bool KavoSettings::GetBinary(const kvtl::WString &key, kvtl::MemoryBuffer<unsigned char> &value)
{
    std::string bytes;
    if (!ReadSized(key, REG_BINARY, bytes))
        return false;
    value.Resize(static_cast<uint32_t>(bytes.size()), false);
    if (!value.Data())
        return false;
    std::memcpy(value.Data(), bytes.data(), bytes.size());
    return true;
}

bool KavoSettings::DeleteValue(const kvtl::WString &key)
{
    if (key.empty() || !EnsureOpen())
        return false;
    const kvreg::RegKey &primary = PrimaryKey();
    return primary.IsOpen() && kvreg::DeleteValue(primary, key) == ERROR_SUCCESS;
}

} // namespace kvds
