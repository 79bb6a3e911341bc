#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sqlite3.h>
#include <stdlib.h>

// A folder of the harness's own for the whole run, removed when the run ends:
// under $TMPDIR if set, else in memory (/dev/shm) where there is one, since
// every input writes and syncs a fresh database file.
inline std::string FuzzRunFolder(const char *name)
{
    static std::string folder;
    if (folder.empty()) {
        const char *tmp = std::getenv("TMPDIR");
        std::string base = tmp && *tmp ? tmp : "/tmp";
        if (!(tmp && *tmp) && std::filesystem::is_directory("/dev/shm"))
            base = "/dev/shm";
        std::string pattern = base + "/kavo-fuzz-" + name + "-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
    }
    return folder;
}

// One process, one file at a time: SQLite's file locks (a dozen fcntl calls
// per statement) guard against no one here, so the store runs on SQLite's
// lock-free unix VFS. What is fuzzed is the content, not the locking.
inline void UseLockFreeSqlite()
{
    if (sqlite3_vfs *vfs = sqlite3_vfs_find("unix-none"))
        sqlite3_vfs_register(vfs, 1);
}

// The bytes of a file, to lay it down again for each input instead of
// building it anew.
inline std::string FileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
