#pragma once

#include <memory>
#include <string>
#include <vector>

// The endpoint windows of a window directory, as every send needs them.
// Listing the directory and checking each socket costs a dozen system calls;
// the list is kept per directory instead and listed again only after the
// directory changed, which one inotify instance of the process reports. A
// socket made before its owner's Create returned is in any list taken after.
// Without inotify every call lists.
class KavoIPCWindowList
{
public:
    using Names = std::shared_ptr<const std::vector<std::string>>;

    // Our own sockets with a window's name; never null.
    static Names Of(const std::string &directory);
    // Reads the directory itself; opened false when it could not be opened.
    static Names List(const std::string &directory, bool *opened = nullptr);
};
