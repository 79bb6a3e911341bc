#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

// A folder of the harness's own for the whole run, removed when the run ends:
// under $TMPDIR if set, else /tmp. The databases themselves live in memory
// (fuzz/memoryfiles.h); the folder holds what the code under test looks for
// on disk.
inline std::string FuzzRunFolder(const char *name)
{
    static std::string folder;
    if (folder.empty()) {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kavo-fuzz-" + name + "-XXXXXX";
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
