#include "settings/registry.h"

// After the registry's own names: the macros of the same names windows.h
// brings have the same numbers.
#include <windows.h>

#include <new>
#include <string_view>
#include <vector>

namespace kvreg {

// An HKEY, closed with the last copy of its RegKey.
struct RegKey::Native
{
    explicit Native(HKEY opened)
        : key(opened)
    {
    }
    ~Native() { RegCloseKey(key); }
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    HKEY key;
};

namespace {

// The registry takes names as zero-terminated strings.
std::u16string_view untilZero(const kvtl::WString &text)
{
    const auto zero = text.find(u'\0');
    return std::u16string_view(text).substr(0, zero == kvtl::WString::npos ? text.size() : zero);
}

// The same path rules as the hive files: no empty segment, none longer than
// a key name may be. Win32 alone would take some of these.
bool validPath(std::u16string_view path)
{
    if (path.empty())
        return true;
    size_t start = 0;
    while (true) {
        const size_t sep = path.find(u'\\', start);
        const size_t length = (sep == std::u16string_view::npos ? path.size() : sep) - start;
        if (length == 0 || length > MaxKeyNameLength)
            return false;
        if (sep == std::u16string_view::npos)
            return true;
        start = sep + 1;
    }
}

const wchar_t *wide(const kvtl::WString &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

// The 64-bit view in every build, so a 32-bit program reads and writes the
// keys a 64-bit one does.
constexpr REGSAM ReadMask = KEY_READ | KEY_WOW64_64KEY;
constexpr REGSAM ReadWriteMask = KEY_ALL_ACCESS | KEY_WOW64_64KEY;
static_assert(ReadMask == 0x20119 && ReadWriteMask == 0xF013F, "the masks peers open the keys with");

HKEY rootKey(Root root)
{
    return root == Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The path below the real root. KAVO_REGISTRY_ROOT puts both roots under a
// key of their own (tests: one registry is shared by every program).
kvtl::WString fullPath(std::u16string_view path)
{
    kvtl::WString full;
    wchar_t prefix[1024];
    const DWORD length = GetEnvironmentVariableW(L"KAVO_REGISTRY_ROOT", prefix, 1024);
    if (length > 0 && length < 1024) {
        full.assign(reinterpret_cast<const char16_t *>(prefix), length);
        if (!path.empty())
            full += u'\\';
    }
    full += path;
    return full;
}

HKEY handleOf(const RegKey &key)
{
    return key.native() ? key.native()->key : nullptr;
}

Status opened(HKEY key, RegKey &out)
{
    std::shared_ptr<RegKey::Native> native;
    try {
        native = std::make_shared<RegKey::Native>(key);
    } catch (const std::bad_alloc &) {
        RegCloseKey(key);
        return ERROR_OUTOFMEMORY;
    }
    out = RegKey(std::move(native));
    return ERROR_SUCCESS;
}

} // namespace

Status OpenKey(Root root, const kvtl::WString &path, Access access, RegKey &out)
{
    const std::u16string_view name = untilZero(path);
    if (!validPath(name))
        return ERROR_INVALID_PARAMETER;
    const REGSAM rights = access == Access::ReadWrite ? ReadWriteMask : ReadMask;
    HKEY key = nullptr;
    const Status status = RegOpenKeyExW(rootKey(root), wide(fullPath(name)), 0, rights, &key);
    return status == ERROR_SUCCESS ? opened(key, out) : status;
}

Status CreateKey(Root root, const kvtl::WString &path, RegKey &out)
{
    const std::u16string_view name = untilZero(path);
    if (!validPath(name))
        return ERROR_INVALID_PARAMETER;
    HKEY key = nullptr;
    const Status status = RegCreateKeyExW(rootKey(root), wide(fullPath(name)), 0, nullptr,
        REG_OPTION_NON_VOLATILE, ReadWriteMask, nullptr, &key, nullptr);
    return status == ERROR_SUCCESS ? opened(key, out) : status;
}

Status QueryValue(const RegKey &key, const kvtl::WString &name, uint32_t *type, void *data, uint32_t *size)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    const kvtl::WString valueName(untilZero(name));
    DWORD storedType = 0;
    DWORD storedSize = 0;
    Status status = RegQueryValueExW(handle, wide(valueName), nullptr, &storedType, nullptr, &storedSize);
    if (status != ERROR_SUCCESS)
        return status;
    if (type)
        *type = storedType;
    if (!data) {
        if (size)
            *size = storedSize;
        return ERROR_SUCCESS;
    }
    // Asked for first, so that a small buffer is left as it was: the registry
    // may fill it part way before it reports ERROR_MORE_DATA.
    if (*size < storedSize) {
        *size = storedSize;
        return ERROR_MORE_DATA;
    }
    DWORD got = *size;
    status = RegQueryValueExW(handle, wide(valueName), nullptr, &storedType, static_cast<BYTE *>(data), &got);
    *size = got;
    if (status == ERROR_SUCCESS && type)
        *type = storedType;
    return status;
}

Status SetValue(const RegKey &key, const kvtl::WString &name, uint32_t type, const void *data, uint32_t size)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    const kvtl::WString valueName(untilZero(name));
    if (valueName.size() > MaxValueNameLength || size > MaxValueSize || (size && !data))
        return ERROR_INVALID_PARAMETER;
    return RegSetValueExW(handle, wide(valueName), 0, type, static_cast<const BYTE *>(data), size);
}

Status DeleteValue(const RegKey &key, const kvtl::WString &name)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    return RegDeleteValueW(handle, wide(kvtl::WString(untilZero(name))));
}

Status QueryInfoKey(const RegKey &key, uint32_t *subKeys, uint32_t *maxSubKeyLength, uint32_t *values)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    DWORD keys = 0;
    DWORD longest = 0;
    DWORD count = 0;
    const Status status = RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &keys, &longest, nullptr,
        &count, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    if (subKeys)
        *subKeys = keys;
    if (maxSubKeyLength)
        *maxSubKeyLength = longest;
    if (values)
        *values = count;
    return ERROR_SUCCESS;
}

Status EnumKey(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    if (!name || !nameLength)
        return ERROR_INVALID_PARAMETER;
    DWORD length = *nameLength;
    const Status status = RegEnumKeyExW(
        handle, index, reinterpret_cast<wchar_t *>(name), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS)
        *nameLength = length;
    return status;
}

Status EnumValue(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength, uint32_t *type)
{
    HKEY handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    if (!name || !nameLength)
        return ERROR_INVALID_PARAMETER;
    DWORD length = *nameLength;
    DWORD storedType = 0;
    const Status status = RegEnumValueW(
        handle, index, reinterpret_cast<wchar_t *>(name), &length, nullptr, &storedType, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        *nameLength = length;
        if (type)
            *type = storedType;
    }
    return status;
}

namespace {
// The root of our keys is not ours to delete.
template <typename Delete> Status deleteUnder(Root root, const kvtl::WString &path, Delete remove)
{
    const std::u16string_view name = untilZero(path);
    if (!validPath(name))
        return ERROR_INVALID_PARAMETER;
    if (name.empty())
        return ERROR_ACCESS_DENIED;
    return remove(rootKey(root), wide(fullPath(name)));
}
} // namespace

Status DeleteKey(Root root, const kvtl::WString &path)
{
    return deleteUnder(root, path,
        [](HKEY rootKey, const wchar_t *name) { return RegDeleteKeyExW(rootKey, name, KEY_WOW64_64KEY, 0); });
}

// RegDeleteTreeW takes no view of its own: the key is opened in the 64-bit
// one, emptied through that handle, then deleted itself.
Status DeleteTree(Root root, const kvtl::WString &path)
{
    return deleteUnder(root, path, [](HKEY rootKey, const wchar_t *name) -> Status {
        HKEY key = nullptr;
        Status status = RegOpenKeyExW(rootKey, name, 0, ReadWriteMask, &key);
        if (status != ERROR_SUCCESS)
            return status;
        status = RegDeleteTreeW(key, nullptr);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? RegDeleteKeyExW(rootKey, name, KEY_WOW64_64KEY, 0) : status;
    });
}

} // namespace kvreg
