// The UTF-8 forms: convert and hand on to the UTF-16 form of the same group.
// A malformed key converts to an empty one and fails like it.
#include "settings/kavosettings.h"

namespace kvds {

namespace {

kvtl::WString wide(const std::string &text)
{
    return kvtl::Utf8ToWide(text);
}

// Text that does not convert would otherwise be stored or returned as empty
// text, and the caller told it had succeeded.
bool convertValue(const std::string &text, kvtl::WString &out)
{
    out = kvtl::Utf8ToWide(text);
    return !out.empty() || text.empty();
}

} // namespace

bool KavoSettings::OpenChild(const std::string &path, IKavoSettings **out)
{
    return OpenChild(wide(path), out);
}

bool KavoSettings::SetQWord(const std::string &key, uint64_t value)
{
    return SetQWord(wide(key), value);
}
bool KavoSettings::SetInt(const std::string &key, int32_t value)
{
    return SetInt(wide(key), value);
}
bool KavoSettings::SetUInt(const std::string &key, uint32_t value)
{
    return SetUInt(wide(key), value);
}
bool KavoSettings::SetInt64(const std::string &key, int64_t value)
{
    return SetInt64(wide(key), value);
}
bool KavoSettings::SetUInt64(const std::string &key, uint64_t value)
{
    return SetUInt64(wide(key), value);
}
bool KavoSettings::SetFloat(const std::string &key, float value)
{
    return SetFloat(wide(key), value);
}
bool KavoSettings::SetDouble(const std::string &key, double value)
{
    return SetDouble(wide(key), value);
}
bool KavoSettings::SetBool(const std::string &key, bool value)
{
    return SetBool(wide(key), value);
}

bool KavoSettings::SetString(const kvtl::WString &key, const std::string &value)
{
    kvtl::WString text;
    return convertValue(value, text) && SetString(key, text);
}

bool KavoSettings::SetString(const std::string &key, const std::string &value)
{
    kvtl::WString text;
    return convertValue(value, text) && SetString(wide(key), text);
}

bool KavoSettings::SetString(const std::string &key, const kvtl::WString &value)
{
    return SetString(wide(key), value);
}

bool KavoSettings::SetBinary(const std::string &key, const unsigned char *data, uint32_t size)
{
    return SetBinary(wide(key), data, size);
}

bool KavoSettings::GetQWord(const std::string &key, uint64_t &value)
{
    return GetQWord(wide(key), value);
}
bool KavoSettings::GetInt(const std::string &key, int32_t &value)
{
    return GetInt(wide(key), value);
}
bool KavoSettings::GetUInt(const std::string &key, uint32_t &value)
{
    return GetUInt(wide(key), value);
}
bool KavoSettings::GetInt64(const std::string &key, int64_t &value)
{
    return GetInt64(wide(key), value);
}
bool KavoSettings::GetUInt64(const std::string &key, uint64_t &value)
{
    return GetUInt64(wide(key), value);
}
bool KavoSettings::GetFloat(const std::string &key, float &value)
{
    return GetFloat(wide(key), value);
}
bool KavoSettings::GetDouble(const std::string &key, double &value)
{
    return GetDouble(wide(key), value);
}
bool KavoSettings::GetBool(const std::string &key, bool &value)
{
    return GetBool(wide(key), value);
}

bool KavoSettings::GetString(const kvtl::WString &key, std::string &value)
{
    kvtl::WString text;
    if (!GetString(key, text))
        return false;
    std::string utf8 = kvtl::WideToUtf8(text);
    if (utf8.empty() && !text.empty())
        return false;
    value = std::move(utf8);
    return true;
}

bool KavoSettings::GetString(const std::string &key, std::string &value)
{
    return GetString(wide(key), value);
}

bool KavoSettings::GetString(const std::string &key, kvtl::WString &value)
{
    return GetString(wide(key), value);
}

bool KavoSettings::GetBinary(const std::string &key, kvtl::MemoryBuffer<unsigned char> &value)
{
    return GetBinary(wide(key), value);
}

bool KavoSettings::DeleteValue(const std::string &key)
{
    return DeleteValue(wide(key));
}

} // namespace kvds
