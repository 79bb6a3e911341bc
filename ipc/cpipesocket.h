#pragma once

#include "ipc/kavoosnamedpipe.h"

#include <string>

namespace KavoOS {

// The POSIX back end of CNamedPipe: a pipe is a SOCK_SEQPACKET Unix socket
// in the user's pipe directory, so every write arrives as one message and a
// read shorter than its message fails, as in message mode.
class CPipeSocket
{
public:
    // The socket file of a pipe name; empty, with the last error set, when
    // the name is not in the pipe namespace, the directory is refused or the
    // path does not fit a socket address.
    static std::string Path(const std::string &pipeName);
    // $XDG_RUNTIME_DIR/KavoPipe, else /tmp/KavoPipe-<uid>; created with mode
    // 0700; empty when it is not a directory of ours closed to others.
    static std::string Directory();
    // Takes over an already connected SOCK_SEQPACKET socket, such as one end
    // of a socket pair, as a pipe that reads and writes.
    static bool Adopt(CNamedPipe &pipe, int fd);
};

} // namespace KavoOS
