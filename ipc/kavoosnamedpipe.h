#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>

namespace KavoOS {

// One direction of a named pipe "\\.\Pipe\<name>". On Windows it is that
// pipe, in message mode with overlapped I/O. Elsewhere it is a SOCK_SEQPACKET
// Unix socket <name> in the user's pipe directory, so that every write
// arrives as one message and a read shorter than its message fails, as in
// message mode. Failures leave the Win32 code in the last error.
class CNamedPipe
{
public:
    // One message of a run.
    struct Message
    {
        const void *data;
        size_t size;
    };

    CNamedPipe();
    CNamedPipe(const CNamedPipe &) = delete;
    CNamedPipe &operator=(const CNamedPipe &) = delete;
    ~CNamedPipe();

    // Server: binds and listens at once (Windows: creates an instance and
    // awaits its client without blocking); the client is taken by the first
    // Read or Write after it came. Until then a Write fails with 536 at once,
    // a Read after waiting up to ListenWaitMs for the client. Fails with
    // 231 while another live server holds the name; a dead one's files are
    // replaced. On Windows a second server is one more instance of the pipe.
    bool Create(const std::string &pipeName);
    // Client: fails at once with 2 when no server has created the pipe (a
    // dead server's files are removed), with 231 when its one client is
    // already there.
    bool Open(const std::string &pipeName);
    // POSIX only: takes over an already connected SOCK_SEQPACKET socket, such
    // as one end of a socket pair.
    bool Adopt(int fd);
    bool IsOpen() const;

    // Exactly n bytes as one message; a blocking wait for it. A longer
    // message is dropped whole and fails with 234.
    bool Read(void *buffer, unsigned n);
    // One message of n bytes (none for 0); a peer that stops reading costs
    // at most WriteTimeoutMs.
    bool Write(const void *data, unsigned n)
    {
        const Message message{data, n};
        return WriteMessages(&message, n == 0 ? 0 : 1);
    }
    // Each buffer as one message, in order, through as few system calls as
    // the socket allows. Waits for room at most timeoutMs for the whole run
    // (0: not at all, failing with 121 while the socket is full); *sent
    // tells how many messages went, on failure too. Every buffer must hold at
    // least one byte. Shutdown ends a wait at once.
    // On Windows "the socket" is a budget of bytes handed over and not yet
    // taken by the reader (InFlightBytes), and the writes are issued by a
    // thread of the pipe's own, which waits only for that.
    bool WriteMessages(const Message *messages, unsigned count, int timeoutMs = WriteTimeoutMs,
                       unsigned *sent = nullptr);

    // Wakes a Read blocked on another thread; from then on every Read and
    // Write fails with 995.
    void Shutdown();
    // Once no other thread uses the pipe. A server removes its socket file.
    void Close();

    // Until a busy pipe is served anew, its server is gone, or timeoutMs
    // pass (false with 121); false with 2 when the pipe does not exist.
    static bool Wait(const std::string &pipeName, int timeoutMs);

    // POSIX only, as is PipeDirectory. The socket file of a pipe name; empty,
    // with the last error set, when the name is not in the pipe namespace,
    // the directory is refused or the path does not fit a socket address.
    static std::string SocketPath(const std::string &pipeName);
    // $XDG_RUNTIME_DIR/KavoPipe, else /tmp/KavoPipe-<uid>; created with mode
    // 0700; empty when it is not a directory of ours closed to others.
    static std::string PipeDirectory();

    static constexpr int WriteTimeoutMs = 2000;
    static constexpr int ListenWaitMs = 250;
    // What one message costs the socket buffer beyond its bytes, generously.
    static constexpr size_t MessageOverhead = 2048;
    // A Read within BurstGap of the last message polls for up to BurstSpin
    // before it blocks.
    static constexpr std::chrono::microseconds BurstGap{200};
    static constexpr std::chrono::microseconds BurstSpin{30};
    // Windows: the bytes a reader that stopped may leave waiting before a
    // run must wait for room.
    static constexpr size_t InFlightBytes = 64 * 1024;

private:
    // The platform's handles: sockets and their lock file, or the pipe
    // handle, its events and the writes still in flight.
    struct Native;

    bool acceptLocked();
    // The connected socket, the client taken first if need be; -1 with the
    // last error set.
    int connection();
    void closeLocked();

    mutable std::mutex m_mutex;
    std::unique_ptr<Native> m_native;
    std::atomic<bool> m_shutdown{false};
};

} // namespace KavoOS
