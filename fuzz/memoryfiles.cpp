#include "fuzz/memoryfiles.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

struct Content
{
    std::string data;
    std::vector<std::unique_ptr<char[]>> shared; // the WAL index's regions
    int mappers = 0; // handles that map them
};

using Files = std::map<std::string, std::shared_ptr<Content>>;

Files &files()
{
    static auto *all = new Files;
    return *all;
}

sqlite3_vfs *unixVfs()
{
    static sqlite3_vfs *vfs = sqlite3_vfs_find("unix");
    return vfs;
}

struct Handle
{
    sqlite3_file base;
    std::shared_ptr<Content> *content; // the handle's struct is SQLite's memory, not constructed
    std::string *deleteOnClose;
    bool mapped;
};

Content &contentOf(sqlite3_file *file)
{
    return **reinterpret_cast<Handle *>(file)->content;
}

int closeFile(sqlite3_file *file)
{
    auto *handle = reinterpret_cast<Handle *>(file);
    if (handle->mapped)
        --(*handle->content)->mappers;
    if (handle->deleteOnClose) {
        // Only this handle's file: the name may have been given to another since.
        const auto found = files().find(*handle->deleteOnClose);
        if (found != files().end() && found->second == *handle->content)
            files().erase(found);
        delete handle->deleteOnClose;
    }
    delete handle->content;
    return SQLITE_OK;
}

// As the unix layer does: what lies past the end reads as zeros, and says so.
int readFile(sqlite3_file *file, void *out, int amount, sqlite3_int64 offset)
{
    const std::string &data = contentOf(file).data;
    const size_t start = std::min<size_t>(size_t(offset), data.size());
    const size_t have = std::min<size_t>(size_t(amount), data.size() - start);
    std::memcpy(out, data.data() + start, have);
    if (have == size_t(amount))
        return SQLITE_OK;
    std::memset(static_cast<char *>(out) + have, 0, size_t(amount) - have);
    return SQLITE_IOERR_SHORT_READ;
}

int writeFile(sqlite3_file *file, const void *in, int amount, sqlite3_int64 offset)
{
    std::string &data = contentOf(file).data;
    if (data.size() < size_t(offset) + size_t(amount))
        data.resize(size_t(offset) + size_t(amount));
    std::memcpy(data.data() + offset, in, size_t(amount));
    return SQLITE_OK;
}

int truncateFile(sqlite3_file *file, sqlite3_int64 size)
{
    std::string &data = contentOf(file).data;
    if (size_t(size) < data.size())
        data.resize(size_t(size));
    return SQLITE_OK;
}

int syncFile(sqlite3_file *, int)
{
    return SQLITE_OK;
}

int fileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    *size = sqlite3_int64(contentOf(file).data.size());
    return SQLITE_OK;
}

int lockFile(sqlite3_file *, int)
{
    return SQLITE_OK;
}

int checkReservedLock(sqlite3_file *, int *reserved)
{
    *reserved = 0;
    return SQLITE_OK;
}

int fileControl(sqlite3_file *, int, void *)
{
    return SQLITE_NOTFOUND;
}

int sectorSize(sqlite3_file *)
{
    return 4096;
}

int deviceCharacteristics(sqlite3_file *)
{
    return SQLITE_IOCAP_POWERSAFE_OVERWRITE;
}

int mapShared(sqlite3_file *file, int region, int regionSize, int extend, void volatile **out)
{
    auto *handle = reinterpret_cast<Handle *>(file);
    if (!handle->mapped) {
        handle->mapped = true;
        ++contentOf(file).mappers;
    }
    auto &regions = contentOf(file).shared;
    if (size_t(region) >= regions.size()) {
        if (!extend) {
            *out = nullptr;
            return SQLITE_OK;
        }
        while (regions.size() <= size_t(region))
            regions.emplace_back(new char[size_t(regionSize)]());
    }
    *out = regions[size_t(region)].get();
    return SQLITE_OK;
}

int lockShared(sqlite3_file *, int, int, int)
{
    return SQLITE_OK;
}

void sharedBarrier(sqlite3_file *)
{
    __sync_synchronize();
}

// The regions go with the last handle that maps them, whoever asks first.
int unmapShared(sqlite3_file *file, int deleteIt)
{
    auto *handle = reinterpret_cast<Handle *>(file);
    Content &content = contentOf(file);
    if (handle->mapped) {
        handle->mapped = false;
        --content.mappers;
    }
    if (deleteIt && content.mappers == 0)
        content.shared.clear();
    return SQLITE_OK;
}

const sqlite3_io_methods Methods = { 2, closeFile, readFile, writeFile, truncateFile, syncFile, fileSize,
    lockFile, lockFile, checkReservedLock, fileControl, sectorSize, deviceCharacteristics, mapShared,
    lockShared, sharedBarrier, unmapShared, nullptr, nullptr };

int openFile(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *handle = reinterpret_cast<Handle *>(file);
    handle->base.pMethods = nullptr;
    handle->deleteOnClose = nullptr;
    handle->mapped = false;
    std::shared_ptr<Content> content;
    if (!name) {
        content = std::make_shared<Content>(); // a temporary file nobody else names
    } else {
        std::shared_ptr<Content> &named = files()[name];
        if (!named) {
            if (!(flags & SQLITE_OPEN_CREATE)) {
                files().erase(name);
                return SQLITE_CANTOPEN;
            }
            named = std::make_shared<Content>();
        }
        content = named;
        if (flags & SQLITE_OPEN_DELETEONCLOSE)
            handle->deleteOnClose = new std::string(name);
    }
    handle->content = new std::shared_ptr<Content>(std::move(content));
    handle->base.pMethods = &Methods;
    if (outFlags)
        *outFlags = flags;
    return SQLITE_OK;
}

int deleteFile(sqlite3_vfs *, const char *name, int)
{
    files().erase(name);
    return SQLITE_OK;
}

// As the unix layer answers: an empty file does not count as existing.
int accessFile(sqlite3_vfs *, const char *name, int flags, int *result)
{
    const auto found = files().find(name);
    *result = found != files().end() && (flags != SQLITE_ACCESS_EXISTS || !found->second->data.empty());
    return SQLITE_OK;
}

int fullPathname(sqlite3_vfs *, const char *name, int size, char *out)
{
    sqlite3_snprintf(size, out, "%s", name);
    return SQLITE_OK;
}

int randomness(sqlite3_vfs *, int size, char *out)
{
    return unixVfs()->xRandomness(unixVfs(), size, out);
}

int sleepFor(sqlite3_vfs *, int microseconds)
{
    return unixVfs()->xSleep(unixVfs(), microseconds);
}

int currentTime(sqlite3_vfs *, double *now)
{
    return unixVfs()->xCurrentTime(unixVfs(), now);
}

int lastError(sqlite3_vfs *, int, char *)
{
    return 0;
}

int currentTime64(sqlite3_vfs *, sqlite3_int64 *now)
{
    return unixVfs()->xCurrentTimeInt64(unixVfs(), now);
}

} // namespace

void MemoryFiles::install()
{
    static sqlite3_vfs vfs = { 2, int(sizeof(Handle)), 4096, nullptr, "kavo-memory", nullptr, openFile,
        deleteFile, accessFile, fullPathname, nullptr, nullptr, nullptr, nullptr, randomness, sleepFor,
        currentTime, lastError, currentTime64, nullptr, nullptr, nullptr };
    if (!unixVfs() || sqlite3_vfs_register(&vfs, 1) != SQLITE_OK)
        std::abort();
}

void MemoryFiles::put(const std::string &path, const std::string &bytes)
{
    auto content = std::make_shared<Content>();
    content->data = bytes;
    files()[path] = std::move(content);
}

void MemoryFiles::remove(const std::string &path)
{
    files().erase(path);
}

std::string MemoryFiles::bytes(const std::string &path)
{
    const auto found = files().find(path);
    return found == files().end() ? std::string() : found->second->data;
}
