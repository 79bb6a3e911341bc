#pragma once

#include "ipc/memorybuffer.h"
#include "ipc/refcounted.h"
#include "ipc/textconvert.h"

#include <cstdint>
#include <set>
#include <string>

namespace kvds {

// One registry key below SOFTWARE\Kavo\ and the children handed out from it.
// Values are never cached: every get and set goes to the hive. In each pair
// the first form takes a UTF-16 key, the second a UTF-8 key that behaves the
// same after conversion (a malformed one fails like an empty one). Failed
// reads leave the output as it was, so callers preset it with their default.
class IKavoSettings : public kvtl::IRefCounted
{
public:
    virtual bool GetName(kvtl::WString &name) = 0;
    virtual bool GetName(std::string &name) = 0;

    virtual bool GetSubKeyCount(int32_t &count) = 0;
    virtual bool GetSubKeyNames(std::set<kvtl::WString> &names) = 0; // replaces names
    virtual bool GetSubKeyNames(std::set<std::string> &names) = 0; // adds to names

    // A child for a relative path ("/" or "\" between segments); out, when
    // not null, receives one reference.
    virtual bool OpenChild(const kvtl::WString &path, IKavoSettings **out) = 0;
    virtual bool OpenChild(const std::string &path, IKavoSettings **out) = 0;

    virtual bool GetValueCount(int32_t &count) = 0;
    virtual bool GetValueNames(std::set<kvtl::WString> &names) = 0; // replaces names
    virtual bool GetValueNames(std::set<std::string> &names) = 0; // adds to names

    // Integers are stored as REG_QWORD, bool and float as REG_DWORD, double
    // as REG_QWORD, text as REG_SZ, bytes as REG_BINARY.
    virtual bool SetQWord(const kvtl::WString &key, uint64_t value) = 0;
    virtual bool SetQWord(const std::string &key, uint64_t value) = 0;
    virtual bool SetInt(const kvtl::WString &key, int32_t value) = 0;
    virtual bool SetInt(const std::string &key, int32_t value) = 0;
    virtual bool SetUInt(const kvtl::WString &key, uint32_t value) = 0;
    virtual bool SetUInt(const std::string &key, uint32_t value) = 0;
    virtual bool SetInt64(const kvtl::WString &key, int64_t value) = 0;
    virtual bool SetInt64(const std::string &key, int64_t value) = 0;
    virtual bool SetUInt64(const kvtl::WString &key, uint64_t value) = 0;
    virtual bool SetUInt64(const std::string &key, uint64_t value) = 0;
    virtual bool SetFloat(const kvtl::WString &key, float value) = 0;
    virtual bool SetFloat(const std::string &key, float value) = 0;
    virtual bool SetDouble(const kvtl::WString &key, double value) = 0;
    virtual bool SetDouble(const std::string &key, double value) = 0;
    virtual bool SetBool(const kvtl::WString &key, bool value) = 0;
    virtual bool SetBool(const std::string &key, bool value) = 0;
    virtual bool SetString(const kvtl::WString &key, const std::string &value) = 0;
    virtual bool SetString(const std::string &key, const std::string &value) = 0;
    virtual bool SetString(const kvtl::WString &key, const kvtl::WString &value) = 0;
    virtual bool SetString(const std::string &key, const kvtl::WString &value) = 0;
    virtual bool SetBinary(const kvtl::WString &key, const unsigned char *data, uint32_t size) = 0;
    virtual bool SetBinary(const std::string &key, const unsigned char *data, uint32_t size) = 0;

    virtual bool GetQWord(const kvtl::WString &key, uint64_t &value) = 0; // REG_QWORD or REG_DWORD
    virtual bool GetQWord(const std::string &key, uint64_t &value) = 0;
    virtual bool GetInt(const kvtl::WString &key, int32_t &value) = 0;
    virtual bool GetInt(const std::string &key, int32_t &value) = 0;
    virtual bool GetUInt(const kvtl::WString &key, uint32_t &value) = 0;
    virtual bool GetUInt(const std::string &key, uint32_t &value) = 0;
    virtual bool GetInt64(const kvtl::WString &key, int64_t &value) = 0;
    virtual bool GetInt64(const std::string &key, int64_t &value) = 0;
    virtual bool GetUInt64(const kvtl::WString &key, uint64_t &value) = 0;
    virtual bool GetUInt64(const std::string &key, uint64_t &value) = 0;
    virtual bool GetFloat(const kvtl::WString &key, float &value) = 0;
    virtual bool GetFloat(const std::string &key, float &value) = 0;
    virtual bool GetDouble(const kvtl::WString &key, double &value) = 0;
    virtual bool GetDouble(const std::string &key, double &value) = 0;
    virtual bool GetBool(const kvtl::WString &key, bool &value) = 0;
    virtual bool GetBool(const std::string &key, bool &value) = 0;
    virtual bool GetString(const kvtl::WString &key, std::string &value) = 0;
    virtual bool GetString(const std::string &key, std::string &value) = 0;
    virtual bool GetString(const kvtl::WString &key, kvtl::WString &value) = 0;
    virtual bool GetString(const std::string &key, kvtl::WString &value) = 0;
    virtual bool GetBinary(const kvtl::WString &key, kvtl::MemoryBuffer<unsigned char> &value) = 0;
    virtual bool GetBinary(const std::string &key, kvtl::MemoryBuffer<unsigned char> &value) = 0;

    // Deletes this key with all its subkeys; the object stays usable.
    virtual bool DeleteKey() = 0;
    virtual bool DeleteValue(const kvtl::WString &key) = 0;
    virtual bool DeleteValue(const std::string &key) = 0;
};

} // namespace kvds
