#include "settings/kavosettings.h"

#include "settings/keytree.h"
#include "settings/registry.h"

#include <algorithm>
#include <vector>

namespace kvds {

namespace {

// The registry nests keys at most 512 deep; deeper paths are refused before
// any object is made, which also bounds the recursion of the walks.
constexpr size_t MaxDepth = 512;
constexpr uint32_t ValueNameBuffer = 1024;

bool isSeparator(char16_t unit)
{
    return unit == u'/' || unit == u'\\';
}

bool tooDeep(const kvtl::WString &path)
{
    return static_cast<size_t>(std::count_if(path.begin(), path.end(), isSeparator)) >= MaxDepth;
}

// head: up to the first separator; tail: after it, when there is one.
bool splitHead(const kvtl::WString &path, kvtl::WString &head, kvtl::WString &tail)
{
    const auto sep = std::find_if(path.begin(), path.end(), isSeparator);
    head.assign(path.begin(), sep);
    if (sep == path.end()) {
        tail.clear();
        return false;
    }
    tail.assign(sep + 1, path.end());
    return true;
}

} // namespace

KavoSettings::KavoSettings(const kvtl::WString &name, SettingsAccessMode mode, KavoSettings *parent)
    : m_path(parent ? parent->m_path + u'\\' + name : u"SOFTWARE\\Kavo\\" + name)
    , m_name(name)
    , m_mode(mode)
{
    if (parent)
        parent->m_children[name] = this;
}

KavoSettings::~KavoSettings() = default;

bool KavoSettings::Create(
    const kvtl::WString &path, SettingsAccessMode mode, KavoSettings *parent, IKavoSettings **out)
{
    if (path.empty() || tooDeep(path))
        return false;
    kvtl::WString head;
    kvtl::WString tail;
    const bool hasTail = splitHead(path, head, tail);
    auto *object = new KavoSettings(head, mode, parent);
    const kvtl::RefCountedPtr_STLSafe<IKavoSettings> hold(object);
    if (hasTail)
        return Create(tail, mode, object, out);
    if (!object->EnsureOpen())
        return false;
    if (out) {
        object->AddRef();
        *out = object;
    }
    return true;
}

bool CreateSettings(const std::string &path, SettingsAccessMode mode, IKavoSettings **out)
{
    try {
        return KavoSettings::Create(kvtl::Utf8ToWide(path), mode, nullptr, out);
    } catch (...) {
        return false;
    }
}

bool KavoSettings::EnsureOpen()
{
    using kvreg::Access;
    using kvreg::Root;
    if (m_name.empty() || m_path.empty())
        return false;
    const auto ok = [](kvreg::Status status, const kvreg::RegKey &key) {
        return status == ERROR_SUCCESS && key.IsOpen();
    };
    // The machine key of the merged modes is only ever read (writes and
    // deletions go to the user key), so where the machine hive cannot be
    // written it is read instead of being left out.
    const auto openMachineForMerge = [this, &ok](Access access) {
        if (ok(kvreg::OpenKey(Root::LocalMachine, m_path, access, m_machineKey), m_machineKey))
            return;
        if (access == Access::ReadWrite)
            kvreg::OpenKey(Root::LocalMachine, m_path, Access::Read, m_machineKey);
    };

    bool opened = false;
    switch (m_mode) {
    case OpenUser:
    case ReadUser:
    case CreateUser:
        if (m_userKey.IsOpen()) {
            opened = true;
        } else if (m_mode == CreateUser) {
            opened = ok(kvreg::CreateKey(Root::CurrentUser, m_path, m_userKey), m_userKey);
        } else {
            const Access access = m_mode == OpenUser ? Access::ReadWrite : Access::Read;
            opened = ok(kvreg::OpenKey(Root::CurrentUser, m_path, access, m_userKey), m_userKey);
        }
        break;
    case OpenMachine:
    case ReadMachine:
    case CreateMachine:
        if (m_machineKey.IsOpen()) {
            opened = true;
        } else if (m_mode == CreateMachine) {
            opened = ok(kvreg::CreateKey(Root::LocalMachine, m_path, m_machineKey), m_machineKey);
        } else {
            const Access access = m_mode == OpenMachine ? Access::ReadWrite : Access::Read;
            opened = ok(kvreg::OpenKey(Root::LocalMachine, m_path, access, m_machineKey), m_machineKey);
        }
        break;
    case OpenUserAndMachine:
    case ReadUserAndMachine: {
        const Access access = m_mode == OpenUserAndMachine ? Access::ReadWrite : Access::Read;
        if (!m_userKey.IsOpen()
            && !ok(kvreg::OpenKey(Root::CurrentUser, m_path, access, m_userKey), m_userKey))
            m_userKey.Close();
        if (!m_machineKey.IsOpen())
            openMachineForMerge(access);
        opened = m_userKey.IsOpen() || m_machineKey.IsOpen();
        break;
    }
    case CreateUserOpenMachine:
        if (m_userKey.IsOpen())
            return true;
        if (!ok(kvreg::CreateKey(Root::CurrentUser, m_path, m_userKey), m_userKey))
            return false;
        if (!m_machineKey.IsOpen())
            openMachineForMerge(Access::ReadWrite);
        opened = true;
        break;
    default:
        return false;
    }
    if (!opened)
        return false;
    const bool machineRoot = m_mode == OpenMachine || m_mode == ReadMachine || m_mode == CreateMachine;
    m_openedRoot = machineRoot ? kvreg::Root::LocalMachine : kvreg::Root::CurrentUser;
    return true;
}

bool KavoSettings::HasFallback() const
{
    return m_mode == OpenUserAndMachine || m_mode == ReadUserAndMachine || m_mode == CreateUserOpenMachine;
}

const kvreg::RegKey &KavoSettings::PrimaryKey() const
{
    const bool machine = m_mode == OpenMachine || m_mode == ReadMachine || m_mode == CreateMachine;
    return machine ? m_machineKey : m_userKey;
}

bool KavoSettings::GetName(kvtl::WString &name)
{
    name = m_name;
    return true;
}

bool KavoSettings::GetName(std::string &name)
{
    name = kvtl::WideToUtf8(m_name);
    return true;
}

bool KavoSettings::OpenChild(const kvtl::WString &path, IKavoSettings **out)
{
    if (path.empty() || tooDeep(path) || !EnsureOpen())
        return false;
    kvtl::WString head;
    kvtl::WString tail;
    const bool hasTail = splitHead(path, head, tail);
    const auto cached = m_children.find(head);
    if (cached != m_children.end()) {
        // Handed out again without a new open, even when its key failed to open.
        IKavoSettings *child = cached->second.get();
        if (hasTail)
            return child->OpenChild(tail, out);
        if (out) {
            child->AddRef();
            *out = child;
        }
        return true;
    }
    auto *child = new KavoSettings(head, m_mode, this);
    if (!child->EnsureOpen())
        return false;
    if (hasTail)
        return child->OpenChild(tail, out);
    if (out) {
        child->AddRef();
        *out = child;
    }
    return true;
}

bool KavoSettings::CollectSubKeys(const kvreg::RegKey &key, std::set<kvtl::WString> &names)
{
    uint32_t count = 0;
    uint32_t longest = 0;
    if (kvreg::QueryInfoKey(key, &count, &longest, nullptr) != ERROR_SUCCESS)
        return false;
    std::vector<char16_t> buffer(static_cast<size_t>(longest) + 1, u'\0');
    for (uint32_t index = 0; index < count; ++index) {
        uint32_t length = static_cast<uint32_t>(buffer.size());
        if (kvreg::EnumKey(key, index, buffer.data(), &length) == ERROR_SUCCESS)
            names.insert(kvtl::WString(buffer.data(), length));
    }
    return true;
}

void KavoSettings::CollectValues(const kvreg::RegKey &key, std::set<kvtl::WString> &names)
{
    char16_t buffer[ValueNameBuffer];
    for (uint32_t index = 0;; ++index) {
        uint32_t length = ValueNameBuffer;
        if (kvreg::EnumValue(key, index, buffer, &length, nullptr) != ERROR_SUCCESS)
            return;
        // The unnamed default value is not a setting.
        if (length != 0)
            names.insert(kvtl::WString(buffer, length));
    }
}

bool KavoSettings::GetSubKeyNames(std::set<kvtl::WString> &names)
{
    names.clear();
    if (!EnsureOpen())
        return false;
    if (!CollectSubKeys(PrimaryKey(), names))
        return false;
    if (HasFallback() && m_machineKey.IsOpen())
        return CollectSubKeys(m_machineKey, names);
    return true;
}

bool KavoSettings::GetSubKeyNames(std::set<std::string> &names)
{
    std::set<kvtl::WString> wide;
    const bool result = GetSubKeyNames(wide);
    for (const kvtl::WString &name : wide)
        names.insert(kvtl::WideToUtf8(name));
    return result;
}

bool KavoSettings::GetSubKeyCount(int32_t &count)
{
    std::set<kvtl::WString> names;
    if (!GetSubKeyNames(names))
        return false;
    count = static_cast<int32_t>(names.size());
    return true;
}

bool KavoSettings::GetValueNames(std::set<kvtl::WString> &names)
{
    names.clear();
    if (!EnsureOpen())
        return false;
    CollectValues(PrimaryKey(), names);
    if (HasFallback() && m_machineKey.IsOpen())
        CollectValues(m_machineKey, names);
    return true;
}

bool KavoSettings::GetValueNames(std::set<std::string> &names)
{
    std::set<kvtl::WString> wide;
    const bool result = GetValueNames(wide);
    for (const kvtl::WString &name : wide)
        names.insert(kvtl::WideToUtf8(name));
    return result;
}

bool KavoSettings::GetValueCount(int32_t &count)
{
    std::set<kvtl::WString> names;
    if (!GetValueNames(names))
        return false;
    count = static_cast<int32_t>(names.size());
    return true;
}

bool KavoSettings::DeleteKey()
{
    m_userKey.Close();
    m_machineKey.Close();
    m_children.clear();
    return DeleteKeyTree(m_path, m_openedRoot);
}

} // namespace kvds
