#pragma once

#include <string>

namespace KavoOS {

// The folder of the user's sockets of one kind: $XDG_RUNTIME_DIR/<name>,
// else /tmp/<fallback>-<uid>. Created with mode 0700; empty, with the last
// error set, when it is not a real folder of the user's closed to others.
std::string UserRuntimeDirectory(const std::string &name, const std::string &fallback);

} // namespace KavoOS
