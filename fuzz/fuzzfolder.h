#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

// A folder of the harness's own for the whole run, under $TMPDIR (a tmpfs
// there spares the disk the syncs), removed when the run ends.
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
