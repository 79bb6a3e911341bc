#include "ipc/userruntimedirectory.h"

#include "ipc/kavoos.h"
#include "ipc/kavoospipeerror.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace KavoOS {

std::string UserRuntimeDirectory(const std::string &name, const std::string &fallback)
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string directory = runtime && *runtime ? std::string(runtime) + '/' + name
                                                      : "/tmp/" + fallback + '-' + std::to_string(geteuid());
    if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? kErrorFileNotFound
                : errno == EACCES || errno == EPERM      ? kErrorAccessDenied
                                                         : kErrorGenFailure);
        return {};
    }
    // As tmux does: anyone may have made it first, in /tmp above all.
    struct stat info
    {
    };
    if (lstat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()
        || (info.st_mode & 077) != 0) {
        SetLastError(kErrorAccessDenied);
        return {};
    }
    return directory;
}

} // namespace KavoOS
