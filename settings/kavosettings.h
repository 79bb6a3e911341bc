#pragma once

#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"
#include "settings/ikavosettings.h"
#include "settings/regkey.h"
#include "settings/regtypes.h"
#include "settings/settingsaccessmode.h"

#include <map>
#include <optional>

namespace kvds {

// A key below SOFTWARE\Kavo\ in the hive(s) of its mode. The key handles
// stay open for the object's life and the children it hands out are kept,
// so repeated reads cost a handle test and one or two queries. Not for
// sharing between threads.
class KavoSettings : public kvtl::RefCountedImpl<IKavoSettings>
{
public:
    // With a parent the object enters the parent's children under name and
    // takes the parent's path as the start of its own.
    KavoSettings(const kvtl::WString &name, SettingsAccessMode mode, KavoSettings *parent);
    ~KavoSettings() override;

    // The walk of CreateSettings: one object per segment, the last one opened.
    static bool Create(
        const kvtl::WString &path, SettingsAccessMode mode, KavoSettings *parent, IKavoSettings **out);

    const kvtl::WString &Path() const { return m_path; }

    bool GetName(kvtl::WString &name) override;
    bool GetName(std::string &name) override;
    bool GetSubKeyCount(int32_t &count) override;
    bool GetSubKeyNames(std::set<kvtl::WString> &names) override;
    bool GetSubKeyNames(std::set<std::string> &names) override;
    bool OpenChild(const kvtl::WString &path, IKavoSettings **out) override;
    bool OpenChild(const std::string &path, IKavoSettings **out) override;
    bool GetValueCount(int32_t &count) override;
    bool GetValueNames(std::set<kvtl::WString> &names) override;
    bool GetValueNames(std::set<std::string> &names) override;

    bool SetQWord(const kvtl::WString &key, uint64_t value) override;
    bool SetQWord(const std::string &key, uint64_t value) override;
    bool SetInt(const kvtl::WString &key, int32_t value) override;
    bool SetInt(const std::string &key, int32_t value) override;
    bool SetUInt(const kvtl::WString &key, uint32_t value) override;
    bool SetUInt(const std::string &key, uint32_t value) override;
    bool SetInt64(const kvtl::WString &key, int64_t value) override;
    bool SetInt64(const std::string &key, int64_t value) override;
    bool SetUInt64(const kvtl::WString &key, uint64_t value) override;
    bool SetUInt64(const std::string &key, uint64_t value) override;
    bool SetFloat(const kvtl::WString &key, float value) override;
    bool SetFloat(const std::string &key, float value) override;
    bool SetDouble(const kvtl::WString &key, double value) override;
    bool SetDouble(const std::string &key, double value) override;
    bool SetBool(const kvtl::WString &key, bool value) override;
    bool SetBool(const std::string &key, bool value) override;
    bool SetString(const kvtl::WString &key, const std::string &value) override;
    bool SetString(const std::string &key, const std::string &value) override;
    bool SetString(const kvtl::WString &key, const kvtl::WString &value) override;
    bool SetString(const std::string &key, const kvtl::WString &value) override;
    bool SetBinary(const kvtl::WString &key, const unsigned char *data, uint32_t size) override;
    bool SetBinary(const std::string &key, const unsigned char *data, uint32_t size) override;

    bool GetQWord(const kvtl::WString &key, uint64_t &value) override;
    bool GetQWord(const std::string &key, uint64_t &value) override;
    bool GetInt(const kvtl::WString &key, int32_t &value) override;
    bool GetInt(const std::string &key, int32_t &value) override;
    bool GetUInt(const kvtl::WString &key, uint32_t &value) override;
    bool GetUInt(const std::string &key, uint32_t &value) override;
    bool GetInt64(const kvtl::WString &key, int64_t &value) override;
    bool GetInt64(const std::string &key, int64_t &value) override;
    bool GetUInt64(const kvtl::WString &key, uint64_t &value) override;
    bool GetUInt64(const std::string &key, uint64_t &value) override;
    bool GetFloat(const kvtl::WString &key, float &value) override;
    bool GetFloat(const std::string &key, float &value) override;
    bool GetDouble(const kvtl::WString &key, double &value) override;
    bool GetDouble(const std::string &key, double &value) override;
    bool GetBool(const kvtl::WString &key, bool &value) override;
    bool GetBool(const std::string &key, bool &value) override;
    bool GetString(const kvtl::WString &key, std::string &value) override;
    bool GetString(const std::string &key, std::string &value) override;
    bool GetString(const kvtl::WString &key, kvtl::WString &value) override;
    bool GetString(const std::string &key, kvtl::WString &value) override;
    bool GetBinary(const kvtl::WString &key, kvtl::MemoryBuffer<unsigned char> &value) override;
    bool GetBinary(const std::string &key, kvtl::MemoryBuffer<unsigned char> &value) override;

    bool DeleteKey() override;
    bool DeleteValue(const kvtl::WString &key) override;
    bool DeleteValue(const std::string &key) override;

private:
    bool EnsureOpen();
    bool HasFallback() const;
    const kvreg::RegKey &PrimaryKey() const;

    // One attempt per key, primary first; the checks decide what is accepted.
    bool ReadFixed(const kvtl::WString &key, uint32_t capacity, bool (*accept)(uint32_t type, uint32_t size),
        unsigned char *bytes);
    bool ReadSized(const kvtl::WString &key, uint32_t wantedType, std::string &bytes);
    bool WriteValue(const kvtl::WString &key, uint32_t type, const void *data, uint32_t size);
    // size (4 or 8) low bytes of bits, little-endian.
    bool WriteBits(const kvtl::WString &key, uint32_t type, uint64_t bits, uint32_t size);

    bool CollectSubKeys(const kvreg::RegKey &key, std::set<kvtl::WString> &names);
    void CollectValues(const kvreg::RegKey &key, std::set<kvtl::WString> &names);

    kvtl::WString m_path;
    kvtl::WString m_name;
    SettingsAccessMode m_mode;
    std::optional<kvreg::Root> m_openedRoot;
    kvreg::RegKey m_userKey;
    kvreg::RegKey m_machineKey;
    std::map<kvtl::WString, kvtl::RefCountedPtr_STLSafe<IKavoSettings>> m_children;
};

// path: UTF-8 segments separated by "/" or "\" below SOFTWARE\Kavo\. On
// success out receives the opened object for the last segment with one
// reference for the caller.
bool CreateSettings(const std::string &path, SettingsAccessMode mode, IKavoSettings **out);

} // namespace kvds
