#include "settings/registry.h"

#include "settings/hive.h"
#include "settings/namefold.h"

#include <sqlite3.h>

#include <cstring>
#include <new>
#include <string_view>
#include <vector>

namespace kvreg {

// A key of a hive file: the hive, its row and the access it was opened with.
struct RegKey::Native
{
    std::shared_ptr<Hive> hive;
    int64_t id = 0;
    bool writable = false;
};

namespace {

constexpr int64_t RootId = 1;

Hive *hiveOf(const RegKey &key)
{
    return key.native() ? key.native()->hive.get() : nullptr;
}

int64_t idOf(const RegKey &key)
{
    return key.native() ? key.native()->id : 0;
}

bool writableOf(const RegKey &key)
{
    return key.native() && key.native()->writable;
}

Status opened(std::shared_ptr<Hive> hive, int64_t id, bool writable, RegKey &out)
{
    std::shared_ptr<RegKey::Native> native(new (std::nothrow) RegKey::Native);
    if (!native)
        return ERROR_OUTOFMEMORY;
    native->hive = std::move(hive);
    native->id = id;
    native->writable = writable;
    out = RegKey(std::move(native));
    return ERROR_SUCCESS;
}

// The registry takes names as zero-terminated strings.
std::u16string_view untilZero(const kvtl::WString &text)
{
    const auto zero = text.find(u'\0');
    return std::u16string_view(text).substr(0, zero == kvtl::WString::npos ? text.size() : zero);
}

std::string littleEndian(std::u16string_view units)
{
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string foldKey(std::u16string_view units)
{
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : FoldName(units)) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

kvtl::WString fromLittleEndian(const void *data, int bytes)
{
    kvtl::WString units;
    const auto *p = static_cast<const unsigned char *>(data);
    units.reserve(static_cast<size_t>(bytes / 2));
    for (int i = 0; i + 1 < bytes; i += 2)
        units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    return units;
}

bool splitPath(std::u16string_view path, std::vector<std::u16string_view> &segments)
{
    segments.clear();
    if (path.empty())
        return true;
    size_t start = 0;
    while (true) {
        const size_t sep = path.find(u'\\', start);
        const std::u16string_view segment
            = path.substr(start, sep == std::u16string_view::npos ? sep : sep - start);
        if (segment.empty() || segment.size() > MaxKeyNameLength)
            return false;
        segments.push_back(segment);
        if (sep == std::u16string_view::npos)
            return true;
        start = sep + 1;
    }
}

// Resets and unbinds a cached statement when the call leaves.
class Use
{
public:
    Use(Hive &hive, Hive::Statement which)
        : m_stmt(hive.Prepared(which))
    {
    }
    ~Use()
    {
        if (m_stmt) {
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
        }
    }
    Use(const Use &) = delete;
    Use &operator=(const Use &) = delete;
    sqlite3_stmt *get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

private:
    sqlite3_stmt *m_stmt;
};

void bindBlob(sqlite3_stmt *stmt, int index, const std::string &bytes)
{
    sqlite3_bind_blob(stmt, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

// Finds (and with create, makes) the key below the root. Inserting runs
// inside the caller's write transaction.
Status walk(Hive &hive, const std::vector<std::u16string_view> &segments, bool create, int64_t &id)
{
    id = RootId;
    for (const std::u16string_view segment : segments) {
        const std::string fold = foldKey(segment);
        int64_t child = 0;
        {
            Use find(hive, Hive::FindChild);
            if (!find)
                return ERROR_BADDB;
            sqlite3_bind_int64(find.get(), 1, id);
            bindBlob(find.get(), 2, fold);
            const int rc = sqlite3_step(find.get());
            if (rc == SQLITE_ROW)
                child = sqlite3_column_int64(find.get(), 0);
            else if (rc != SQLITE_DONE)
                return hive.StatusOf(rc);
        }
        if (child == 0) {
            if (!create)
                return ERROR_FILE_NOT_FOUND;
            Use insert(hive, Hive::InsertKey);
            if (!insert)
                return ERROR_BADDB;
            sqlite3_bind_int64(insert.get(), 1, id);
            bindBlob(insert.get(), 2, littleEndian(segment));
            bindBlob(insert.get(), 3, fold);
            const int rc = sqlite3_step(insert.get());
            if (rc != SQLITE_DONE)
                return hive.StatusOf(rc);
            child = sqlite3_last_insert_rowid(hive.Db());
        }
        id = child;
    }
    return ERROR_SUCCESS;
}

Status keyExists(Hive &hive, int64_t id)
{
    Use exists(hive, Hive::KeyExists);
    if (!exists)
        return ERROR_BADDB;
    sqlite3_bind_int64(exists.get(), 1, id);
    const int rc = sqlite3_step(exists.get());
    if (rc == SQLITE_ROW)
        return ERROR_SUCCESS;
    return rc == SQLITE_DONE ? ERROR_KEY_DELETED : hive.StatusOf(rc);
}

Status copyName(const kvtl::WString &name, char16_t *buffer, uint32_t *length)
{
    if (!buffer || !length)
        return ERROR_INVALID_PARAMETER;
    if (name.size() + 1 > *length) {
        *length = static_cast<uint32_t>(name.size());
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, name.data(), name.size() * sizeof(char16_t));
    buffer[name.size()] = u'\0';
    *length = static_cast<uint32_t>(name.size());
    return ERROR_SUCCESS;
}

// The index-th subkey or value name in match-key order; the value walk also
// gives the type.
Status enumerate(const RegKey &key, Hive::Statement which, uint32_t index, char16_t *name,
    uint32_t *nameLength, uint32_t *type)
{
    Hive *hive = hiveOf(key);
    if (!hive)
        return ERROR_INVALID_HANDLE;
    std::lock_guard<std::mutex> lock(hive->Mutex());
    Use walkNames(*hive, which);
    if (!walkNames)
        return ERROR_BADDB;
    sqlite3_bind_int64(walkNames.get(), 1, idOf(key));
    sqlite3_bind_int64(walkNames.get(), 2, index);
    const int rc = sqlite3_step(walkNames.get());
    if (rc == SQLITE_DONE)
        return ERROR_NO_MORE_ITEMS;
    if (rc != SQLITE_ROW)
        return hive->StatusOf(rc);
    if (type)
        *type = static_cast<uint32_t>(sqlite3_column_int64(walkNames.get(), 1));
    return copyName(
        fromLittleEndian(sqlite3_column_blob(walkNames.get(), 0), sqlite3_column_bytes(walkNames.get(), 0)),
        name, nameLength);
}

Status deleteKey(Root root, const kvtl::WString &path, bool tree)
{
    std::vector<std::u16string_view> segments;
    if (!splitPath(untilZero(path), segments))
        return ERROR_INVALID_PARAMETER;
    if (segments.empty())
        return ERROR_ACCESS_DENIED;
    std::shared_ptr<Hive> hive;
    Status status = Hive::Acquire(root, false, hive);
    if (status != ERROR_SUCCESS)
        return status;
    if (hive->ReadOnly())
        return ERROR_ACCESS_DENIED;
    std::lock_guard<std::mutex> lock(hive->Mutex());
    if (!hive->Exec(Hive::Begin))
        return ERROR_BUSY;
    int64_t id = 0;
    status = walk(*hive, segments, false, id);
    if (status == ERROR_SUCCESS && !tree) {
        Use count(*hive, Hive::CountSubKeys);
        sqlite3_bind_int64(count.get(), 1, id);
        const int rc = count ? sqlite3_step(count.get()) : SQLITE_ERROR;
        if (rc != SQLITE_ROW)
            status = hive->StatusOf(rc);
        else if (sqlite3_column_int64(count.get(), 0) != 0)
            status = ERROR_ACCESS_DENIED;
    }
    if (status == ERROR_SUCCESS) {
        // Subkeys and values go with the row through the cascading references.
        Use remove(*hive, Hive::DeleteKeyRow);
        sqlite3_bind_int64(remove.get(), 1, id);
        const int rc = remove ? sqlite3_step(remove.get()) : SQLITE_ERROR;
        if (rc != SQLITE_DONE)
            status = hive->StatusOf(rc);
    }
    if (status == ERROR_SUCCESS && hive->Exec(Hive::Commit))
        return ERROR_SUCCESS;
    hive->Exec(Hive::Rollback);
    return status == ERROR_SUCCESS ? ERROR_BUSY : status;
}

} // namespace

Status OpenKey(Root root, const kvtl::WString &path, Access access, RegKey &out)
{
    std::vector<std::u16string_view> segments;
    if (!splitPath(untilZero(path), segments))
        return ERROR_INVALID_PARAMETER;
    std::shared_ptr<Hive> hive;
    Status status = Hive::Acquire(root, false, hive);
    if (status != ERROR_SUCCESS)
        return status;
    if (access == Access::ReadWrite && hive->ReadOnly())
        return ERROR_ACCESS_DENIED;
    int64_t id = 0;
    {
        std::lock_guard<std::mutex> lock(hive->Mutex());
        status = walk(*hive, segments, false, id);
    }
    if (status != ERROR_SUCCESS)
        return status;
    return opened(std::move(hive), id, access == Access::ReadWrite, out);
}

Status CreateKey(Root root, const kvtl::WString &path, RegKey &out)
{
    std::vector<std::u16string_view> segments;
    if (!splitPath(untilZero(path), segments))
        return ERROR_INVALID_PARAMETER;
    std::shared_ptr<Hive> hive;
    Status status = Hive::Acquire(root, true, hive);
    if (status != ERROR_SUCCESS)
        return status;
    if (hive->ReadOnly())
        return ERROR_ACCESS_DENIED;
    int64_t id = 0;
    {
        std::lock_guard<std::mutex> lock(hive->Mutex());
        status = walk(*hive, segments, false, id);
        if (status == ERROR_FILE_NOT_FOUND) {
            if (!hive->Exec(Hive::Begin))
                return ERROR_BUSY;
            status = walk(*hive, segments, true, id);
            if (status != ERROR_SUCCESS || !hive->Exec(Hive::Commit)) {
                hive->Exec(Hive::Rollback);
                return status == ERROR_SUCCESS ? ERROR_BUSY : status;
            }
        }
    }
    if (status != ERROR_SUCCESS)
        return status;
    return opened(std::move(hive), id, true, out);
}

Status QueryValue(const RegKey &key, const kvtl::WString &name, uint32_t *type, void *data, uint32_t *size)
{
    Hive *hive = hiveOf(key);
    if (!hive)
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    const std::string fold = foldKey(untilZero(name));
    std::lock_guard<std::mutex> lock(hive->Mutex());
    Use query(*hive, Hive::QueryValue);
    if (!query)
        return ERROR_BADDB;
    sqlite3_bind_int64(query.get(), 1, idOf(key));
    bindBlob(query.get(), 2, fold);
    const int rc = sqlite3_step(query.get());
    if (rc == SQLITE_DONE)
        return ERROR_FILE_NOT_FOUND;
    if (rc != SQLITE_ROW)
        return hive->StatusOf(rc);
    const uint32_t storedType = static_cast<uint32_t>(sqlite3_column_int64(query.get(), 0));
    const void *bytes = sqlite3_column_blob(query.get(), 1);
    const uint32_t storedSize = static_cast<uint32_t>(sqlite3_column_bytes(query.get(), 1));
    if (type)
        *type = storedType;
    if (!data) {
        if (size)
            *size = storedSize;
        return ERROR_SUCCESS;
    }
    if (*size < storedSize) {
        *size = storedSize;
        return ERROR_MORE_DATA;
    }
    if (storedSize)
        std::memcpy(data, bytes, storedSize);
    *size = storedSize;
    return ERROR_SUCCESS;
}

Status SetValue(const RegKey &key, const kvtl::WString &name, uint32_t type, const void *data, uint32_t size)
{
    Hive *hive = hiveOf(key);
    if (!hive)
        return ERROR_INVALID_HANDLE;
    if (!writableOf(key))
        return ERROR_ACCESS_DENIED;
    const std::u16string_view valueName = untilZero(name);
    if (valueName.size() > MaxValueNameLength || size > MaxValueSize || (size && !data))
        return ERROR_INVALID_PARAMETER;
    static const char empty = 0;
    std::lock_guard<std::mutex> lock(hive->Mutex());
    Use set(*hive, Hive::SetValue);
    if (!set)
        return ERROR_BADDB;
    sqlite3_bind_int64(set.get(), 1, idOf(key));
    bindBlob(set.get(), 2, littleEndian(valueName));
    bindBlob(set.get(), 3, foldKey(valueName));
    sqlite3_bind_int64(set.get(), 4, type);
    sqlite3_bind_blob(set.get(), 5, size ? data : &empty, static_cast<int>(size), SQLITE_TRANSIENT);
    return hive->StatusOf(sqlite3_step(set.get()));
}

Status DeleteValue(const RegKey &key, const kvtl::WString &name)
{
    Hive *hive = hiveOf(key);
    if (!hive)
        return ERROR_INVALID_HANDLE;
    if (!writableOf(key))
        return ERROR_ACCESS_DENIED;
    const std::string fold = foldKey(untilZero(name));
    std::lock_guard<std::mutex> lock(hive->Mutex());
    Use remove(*hive, Hive::DeleteValue);
    if (!remove)
        return ERROR_BADDB;
    sqlite3_bind_int64(remove.get(), 1, idOf(key));
    bindBlob(remove.get(), 2, fold);
    const int rc = sqlite3_step(remove.get());
    if (rc != SQLITE_DONE)
        return hive->StatusOf(rc);
    return sqlite3_changes(hive->Db()) > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

Status QueryInfoKey(const RegKey &key, uint32_t *subKeys, uint32_t *maxSubKeyLength, uint32_t *values)
{
    Hive *hive = hiveOf(key);
    if (!hive)
        return ERROR_INVALID_HANDLE;
    std::lock_guard<std::mutex> lock(hive->Mutex());
    const Status exists = keyExists(*hive, idOf(key));
    if (exists != ERROR_SUCCESS)
        return exists;
    if (subKeys || maxSubKeyLength) {
        Use info(*hive, Hive::SubKeyInfo);
        if (!info)
            return ERROR_BADDB;
        sqlite3_bind_int64(info.get(), 1, idOf(key));
        const int rc = sqlite3_step(info.get());
        if (rc != SQLITE_ROW)
            return hive->StatusOf(rc);
        if (subKeys)
            *subKeys = static_cast<uint32_t>(sqlite3_column_int64(info.get(), 0));
        if (maxSubKeyLength)
            *maxSubKeyLength = static_cast<uint32_t>(sqlite3_column_int64(info.get(), 1));
    }
    if (values) {
        Use count(*hive, Hive::ValueCount);
        if (!count)
            return ERROR_BADDB;
        sqlite3_bind_int64(count.get(), 1, idOf(key));
        const int rc = sqlite3_step(count.get());
        if (rc != SQLITE_ROW)
            return hive->StatusOf(rc);
        *values = static_cast<uint32_t>(sqlite3_column_int64(count.get(), 0));
    }
    return ERROR_SUCCESS;
}

Status EnumKey(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength)
{
    return enumerate(key, Hive::EnumSubKey, index, name, nameLength, nullptr);
}

Status EnumValue(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength, uint32_t *type)
{
    return enumerate(key, Hive::EnumValue, index, name, nameLength, type);
}

Status DeleteKey(Root root, const kvtl::WString &path)
{
    return deleteKey(root, path, false);
}

Status DeleteTree(Root root, const kvtl::WString &path)
{
    return deleteKey(root, path, true);
}

} // namespace kvreg
