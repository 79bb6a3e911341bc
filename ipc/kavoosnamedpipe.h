#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>

namespace KavoOS {

// One end of a named pipe "\\.\Pipe\<name>", in message mode: every write
// is one message. Each end reads, writes or both, as it was made; a read
// asks for exactly the bytes it wants, and where the end keeps message
// bounds (every end but a Windows client's, which reads bytes as they come)
// a read must match a message. Failures leave the Win32 code in the last
// error.
class CNamedPipe
{
public:
    // One message of a run.
    struct Message
    {
        const void *data;
        size_t size;
    };

    // What this end does. A one-way pipe's server creates it for reading
    // and its client opens it for writing, or the other way round.
    enum class Access { Read, Write, Duplex };

    CNamedPipe();
    CNamedPipe(const CNamedPipe &) = delete;
    CNamedPipe &operator=(const CNamedPipe &) = delete;
    ~CNamedPipe();

    // Server: makes the pipe and awaits its client without blocking; the
    // client is taken by the first Read or Write after it came. Until then
    // a Write fails with 536 at once, a Read after waiting up to
    // ListenWaitMs for the client. Fails with 231 where a pipe of that name
    // takes no further server.
    bool Create(const std::string &pipeName, Access access = Access::Duplex);
    // Client: fails at once with 2 when no server has created the pipe, with
    // 231 when its client is already there, and where the system checks it
    // (Windows) with 5 when the access does not fit the server's.
    bool Open(const std::string &pipeName, Access access = Access::Duplex);
    bool IsOpen() const;

    // Exactly n bytes; a blocking wait for all of them. An end made only to
    // write fails with 5, as a Write on one made only to read does. Where the end keeps
    // message bounds, a longer message is dropped whole and fails with 234,
    // a shorter one fails with 13.
    bool Read(void *buffer, unsigned n);
    // One message of n bytes (none for 0); a peer that stops reading costs
    // at most WriteTimeoutMs.
    bool Write(const void *data, unsigned n)
    {
        const Message message { data, n };
        return WriteMessages(&message, n == 0 ? 0 : 1);
    }
    // Each buffer as one message, in order, through as few system calls as
    // the pipe allows. Waits for room at most timeoutMs for the whole run
    // (0: not at all, failing with 121 while the pipe is full); *sent tells
    // how many messages went, on failure too. A run that fits the pipe's
    // room is begun only once it fits whole, so a reader that stops leaves
    // whole runs behind. Every buffer must hold at least one byte. Shutdown
    // ends a wait at once.
    bool WriteMessages(
        const Message *messages, unsigned count, int timeoutMs = WriteTimeoutMs, unsigned *sent = nullptr);

    // Wakes a Read blocked on another thread; from then on every Read and
    // Write fails with 995.
    void Shutdown();
    // Once no other thread uses the pipe. A server's pipe goes with it.
    void Close();

    // Until a busy pipe is served anew, its server is gone, or timeoutMs
    // pass (false with 121); false with 2 when the pipe does not exist.
    static bool Wait(const std::string &pipeName, int timeoutMs);

    static constexpr int WriteTimeoutMs = 2000;
    static constexpr int ListenWaitMs = 250;
    // Where the system gives no room of its own to measure (Windows), the
    // bytes a reader that stopped may leave waiting before a run must wait.
    static constexpr size_t InFlightBytes = 64 * 1024;

private:
    // The platform's handles and state.
    struct Native;
    // The POSIX back end's own entry points.
    friend class CPipeSocket;

    bool acceptLocked();
    void closeLocked();

    mutable std::mutex m_mutex;
    std::unique_ptr<Native> m_native;
    std::atomic<bool> m_shutdown { false };
};

} // namespace KavoOS
