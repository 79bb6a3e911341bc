#include "ipc/kavoosnamedpipe.h"

#include "ipc/kavoospipeerror.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace KavoOS {

namespace {

constexpr char PipePrefix[] = "\\\\.\\Pipe\\";
constexpr size_t PipePrefixLength = sizeof PipePrefix - 1;
constexpr DWORD PipeInstances = 255;
constexpr DWORD PipeBufferSize = 4096;

bool fail(uint32_t code)
{
    SetLastError(code);
    return false;
}

// The system's code, taken before anything else can clear it.
bool failSystem()
{
    return fail(::GetLastError());
}

// CreateFileA would open any file by that name.
bool inPipeNamespace(const std::string &name)
{
    return name.size() > PipePrefixLength && _strnicmp(name.c_str(), PipePrefix, PipePrefixLength) == 0;
}

HANDLE manualResetEvent()
{
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

} // namespace

struct CNamedPipe::Native
{
    // A message handed over and not yet taken by the reader: its bytes and
    // OVERLAPPED stay put until the system lets go of them.
    struct Write
    {
        OVERLAPPED overlapped {};
        std::string bytes;
        ~Write()
        {
            if (overlapped.hEvent)
                CloseHandle(overlapped.hEvent);
        }
    };
    struct Run
    {
        uint64_t ticket = 0;
        std::vector<std::unique_ptr<Write>> writes;
    };

    Native()
        : connectEvent(manualResetEvent())
        , readEvent(manualResetEvent())
        , shutdownEvent(manualResetEvent())
        , wake(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
    }
    ~Native()
    {
        for (HANDLE event : { connectEvent, readEvent, shutdownEvent, wake }) {
            if (event)
                CloseHandle(event);
        }
    }
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    bool Usable() const { return connectEvent && readEvent && shutdownEvent && wake; }

    // Why a pipe cannot be made or opened under that name now; 0 when it can.
    DWORD CannotOpen(const std::string &pipeName) const
    {
        if (pipe != INVALID_HANDLE_VALUE)
            return kErrorInvalidParameter;
        if (!inPipeNamespace(pipeName))
            return kErrorInvalidName;
        return Usable() ? 0 : kErrorNotEnoughMemory;
    }
    void Take(HANDLE handle, CNamedPipe::Access how, bool isServer, bool isConnected, bool isPending)
    {
        pipe = handle;
        access = how;
        byteReads = !isServer && how == CNamedPipe::Access::Read;
        server = isServer;
        connected = isConnected;
        connectPending = isPending;
        ResetEvent(shutdownEvent);
    }

    // The writer thread. Windows cancels the pending I/O of a thread that
    // ends, and a caller's thread may end before the reader has taken its
    // messages; so every write is issued here, on a thread that lives as
    // long as the pipe.
    void IssueWrites()
    {
        std::unique_lock<std::mutex> lock(ioLock);
        for (;;) {
            Reap();
            while (!queued.empty()) {
                Issue(queued.front());
                issued = queued.front().ticket;
                queued.pop_front();
            }
            ioChanged.notify_all();
            if (quit)
                return;
            HANDLE waits[2] = { wake, writes.empty() ? nullptr : writes.front()->overlapped.hEvent };
            lock.unlock();
            WaitForMultipleObjects(waits[1] ? 2 : 1, waits, FALSE, INFINITE);
            lock.lock();
        }
    }

    // Under ioLock. Each write completes or stays pending at once; one that
    // fails ends the run there.
    void Issue(Run &run)
    {
        issueError = 0;
        issueSent = 0;
        for (auto &write : run.writes) {
            if (issueError != 0) {
                inFlight -= write->bytes.size();
                continue;
            }
            // Made only now: the messages of a run that never goes cost none.
            if (!write->overlapped.hEvent)
                write->overlapped.hEvent = manualResetEvent();
            const bool done = write->overlapped.hEvent
                && WriteFile(pipe, write->bytes.data(), static_cast<DWORD>(write->bytes.size()), nullptr,
                    &write->overlapped);
            const DWORD error = done       ? 0
                : write->overlapped.hEvent ? ::GetLastError()
                                           : ERROR_NOT_ENOUGH_MEMORY;
            if (!done && error != ERROR_IO_PENDING) {
                issueError = error;
                inFlight -= write->bytes.size();
                // A run cut after its start would spoil every later one.
                if (issueSent != 0 && writeError == 0)
                    writeError = error;
                continue;
            }
            ++issueSent;
            writes.push_back(std::move(write));
        }
    }

    // Under ioLock: the writes that completed, oldest first, as the pipe
    // keeps them in order. A failed one spoils the connection.
    void Reap()
    {
        while (!writes.empty()) {
            Write &write = *writes.front();
            DWORD done = 0;
            if (!GetOverlappedResult(pipe, &write.overlapped, &done, FALSE)) {
                const DWORD error = ::GetLastError();
                if (error == ERROR_IO_INCOMPLETE)
                    return;
                if (writeError == 0)
                    writeError = error;
            }
            inFlight -= write.bytes.size();
            writes.pop_front();
        }
    }

    // One read, bounded by Shutdown: 0 or the system's code.
    DWORD ReadOnce(const std::atomic<bool> &shutdown, void *buffer, DWORD n, DWORD &got)
    {
        OVERLAPPED overlapped {};
        overlapped.hEvent = readEvent;
        got = 0;
        if (ReadFile(pipe, buffer, n, &got, &overlapped))
            return 0;
        DWORD error = ::GetLastError();
        if (error != ERROR_IO_PENDING)
            return error;
        HANDLE waits[2] = { readEvent, shutdownEvent };
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 || shutdown)
            CancelIoEx(pipe, &overlapped);
        return GetOverlappedResult(pipe, &overlapped, &got, TRUE) ? 0 : ::GetLastError();
    }

    HANDLE pipe = INVALID_HANDLE_VALUE;
    CNamedPipe::Access access = CNamedPipe::Access::Duplex;
    // A client's read end keeps the byte read mode a one-way pipe is opened
    // in: a message comes in as many reads as it takes.
    bool byteReads = false;
    bool server = false;
    bool connected = false;
    bool connectPending = false;
    OVERLAPPED connect {};
    HANDLE connectEvent;
    HANDLE readEvent;
    HANDLE shutdownEvent;
    HANDLE wake;

    std::mutex ioLock;
    std::condition_variable ioChanged;
    std::thread ioThread;
    bool quit = false;
    std::deque<Run> queued; // handed over, not yet issued
    std::deque<std::unique_ptr<Write>> writes; // issued, not yet completed
    size_t inFlight = 0; // bytes of both
    uint64_t handed = 0;
    uint64_t issued = 0;
    DWORD issueError = 0; // of the run issued last
    unsigned issueSent = 0;
    DWORD writeError = 0;
};

CNamedPipe::CNamedPipe()
    : m_native(new Native)
{
}

CNamedPipe::~CNamedPipe()
{
    Close();
}

bool CNamedPipe::Create(const std::string &pipeName, Access access)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Native &native = *m_native;
    if (const DWORD error = native.CannotOpen(pipeName))
        return fail(error);
    const DWORD direction = access == Access::Read ? PIPE_ACCESS_INBOUND
        : access == Access::Write                  ? PIPE_ACCESS_OUTBOUND
                                                   : PIPE_ACCESS_DUPLEX;
    // Blocking mode as far as the pipe goes; overlapped I/O is what keeps
    // every wait here bounded and cancellable.
    HANDLE pipe = CreateNamedPipeA(pipeName.c_str(), direction | FILE_FLAG_OVERLAPPED,
        PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, PipeInstances,
        PipeBufferSize, PipeBufferSize, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return failSystem();
    native.connect = OVERLAPPED {};
    native.connect.hEvent = native.connectEvent;
    ResetEvent(native.connectEvent);
    bool connected = ConnectNamedPipe(pipe, &native.connect) != FALSE;
    bool pending = false;
    if (!connected) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_IO_PENDING) {
            pending = true;
        } else if (error == ERROR_PIPE_CONNECTED || error == ERROR_NO_DATA) {
            // The client came already (and may have gone: reads tell).
            connected = true;
        } else {
            CloseHandle(pipe);
            return fail(error);
        }
    }
    native.Take(pipe, access, true, connected, pending);
    m_shutdown = false;
    return true;
}

bool CNamedPipe::Open(const std::string &pipeName, Access access)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Native &native = *m_native;
    if (const DWORD error = native.CannotOpen(pipeName))
        return fail(error);
    const DWORD rights = access == Access::Read ? GENERIC_READ
        : access == Access::Write               ? GENERIC_WRITE
                                                : GENERIC_READ | GENERIC_WRITE;
    // 2 when no server made the pipe, 231 when every instance has its
    // client, 5 when the server made it for the same direction.
    HANDLE pipe
        = CreateFileA(pipeName.c_str(), rights, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return failSystem();
    // Only a duplex end may change its read mode: that takes write access
    // to the handle's attributes, which a read-only end lacks.
    if (access == Access::Duplex) {
        DWORD mode = PIPE_READMODE_MESSAGE;
        if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr)) {
            const DWORD error = ::GetLastError();
            CloseHandle(pipe);
            return fail(error);
        }
    }
    native.Take(pipe, access, false, true, false);
    m_shutdown = false;
    return true;
}

bool CNamedPipe::IsOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_native->pipe != INVALID_HANDLE_VALUE;
}

bool CNamedPipe::acceptLocked()
{
    Native &native = *m_native;
    if (native.pipe == INVALID_HANDLE_VALUE)
        return fail(kErrorPipeNotConnected);
    if (native.connected)
        return true;
    DWORD ignored = 0;
    if (GetOverlappedResult(native.pipe, &native.connect, &ignored, FALSE)) {
        native.connectPending = false;
        native.connected = true;
        return true;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_IO_INCOMPLETE)
        return fail(kErrorPipeListening);
    native.connectPending = false;
    return fail(error);
}

bool CNamedPipe::Read(void *buffer, unsigned n)
{
    Native &native = *m_native;
    bool awaitClient;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (native.access == Access::Write && native.pipe != INVALID_HANDLE_VALUE)
            return fail(kErrorAccessDenied);
        awaitClient = native.pipe != INVALID_HANDLE_VALUE && !native.connected && native.connectPending;
    }
    if (awaitClient) {
        // Bounded, as the endpoint polls; Shutdown ends the wait at once.
        HANDLE waits[2] = { native.connectEvent, native.shutdownEvent };
        WaitForMultipleObjects(2, waits, FALSE, ListenWaitMs);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_shutdown)
            return fail(kErrorOperationAborted);
        if (!acceptLocked())
            return false;
    }
    if (n == 0)
        return true;

    // The handle stays valid until Close, which waits for this thread's owner.
    auto *to = static_cast<char *>(buffer);
    if (native.byteReads) {
        // The frame's lengths say how much belongs together, not the writes.
        for (DWORD left = n; left > 0;) {
            DWORD got = 0;
            const DWORD error = native.ReadOnce(m_shutdown, to, left, got);
            if (m_shutdown)
                return fail(kErrorOperationAborted);
            if (error != 0 && error != ERROR_MORE_DATA)
                return fail(error);
            to += got;
            left -= got;
        }
        return true;
    }
    DWORD got = 0;
    DWORD error = native.ReadOnce(m_shutdown, to, n, got);
    if (m_shutdown)
        return fail(kErrorOperationAborted);
    if (error == ERROR_MORE_DATA) {
        // Message mode keeps the rest for the next read; the frame reader
        // must not take it for a message of its own, so it goes now.
        std::vector<char> rest(PipeBufferSize);
        do {
            error = native.ReadOnce(m_shutdown, rest.data(), PipeBufferSize, got);
        } while (error == ERROR_MORE_DATA && !m_shutdown);
        return fail(m_shutdown ? kErrorOperationAborted : error == 0 ? kErrorMoreData : error);
    }
    if (error != 0)
        return fail(error);
    if (got != n)
        return fail(kErrorInvalidData);
    return true;
}

bool CNamedPipe::WriteMessages(const Message *messages, unsigned count, int timeoutMs, unsigned *sent)
{
    if (sent)
        *sent = 0;
    // The copies below count against the timeout too: making thousands of
    // events is not free where the system is slow.
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    Native &native = *m_native;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (native.access == Access::Read && native.pipe != INVALID_HANDLE_VALUE)
            return fail(kErrorAccessDenied);
        if (m_shutdown)
            return fail(kErrorOperationAborted);
        if (!acceptLocked())
            return false;
    }
    if (count == 0)
        return true;

    // Copies made before anything is handed over: a run fails whole or goes whole.
    Native::Run run;
    size_t needed = 0;
    try {
        run.writes.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            auto write = std::make_unique<Native::Write>();
            write->bytes.assign(static_cast<const char *>(messages[i].data), messages[i].size);
            needed += messages[i].size;
            run.writes.push_back(std::move(write));
        }
    } catch (const std::bad_alloc &) {
        return fail(kErrorNotEnoughMemory);
    }

    std::unique_lock<std::mutex> io(native.ioLock);
    if (!native.ioThread.joinable()) {
        try {
            native.quit = false;
            native.ioThread = std::thread(&Native::IssueWrites, &native);
        } catch (const std::system_error &) {
            return fail(kErrorNotEnoughMemory);
        }
    }
    // A run that fits the budget is begun only once it fits whole, so a
    // reader that stops leaves whole runs behind. A larger one goes as room
    // comes, as a socket takes it; the wait for room is one for the whole run.
    const bool whole = needed <= InFlightBytes;
    unsigned next = 0;
    unsigned done = 0;
    while (next < count) {
        const size_t want = whole ? needed : run.writes[next]->bytes.size();
        const bool room = native.ioChanged.wait_until(io, deadline, [&] {
            return m_shutdown || native.writeError != 0 || native.inFlight == 0
                || native.inFlight + want <= InFlightBytes;
        });
        if (m_shutdown)
            return fail(kErrorOperationAborted);
        if (native.writeError != 0)
            return fail(native.writeError);
        if (!room)
            return fail(kErrorSemTimeout);

        Native::Run chunk;
        size_t bytes = 0;
        try {
            while (next < count
                && (chunk.writes.empty()
                    || native.inFlight + bytes + run.writes[next]->bytes.size() <= InFlightBytes)) {
                bytes += run.writes[next]->bytes.size();
                chunk.writes.push_back(std::move(run.writes[next++]));
            }
            chunk.ticket = ++native.handed;
            native.queued.push_back(std::move(chunk));
        } catch (const std::bad_alloc &) {
            return fail(kErrorNotEnoughMemory);
        }
        const uint64_t ticket = native.handed;
        native.inFlight += bytes;
        SetEvent(native.wake);
        // Only until our own thread has issued the chunk: it never waits on
        // the reader, and it reports at once what the system refused.
        native.ioChanged.wait(io, [&] { return native.issued >= ticket; });
        done += native.issueSent;
        if (sent)
            *sent = done;
        if (native.issueError != 0) {
            // A run cut after its start would spoil every later one.
            if (done != 0 && native.writeError == 0)
                native.writeError = native.issueError;
            return fail(native.issueError);
        }
    }
    return true;
}

void CNamedPipe::Shutdown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_shutdown = true;
    // The waits of Read and WriteMessages watch it; a read it ends is
    // cancelled by its own thread, never by closing the handle under it.
    SetEvent(m_native->shutdownEvent);
    std::lock_guard<std::mutex> io(m_native->ioLock);
    m_native->ioChanged.notify_all();
}

void CNamedPipe::Close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    closeLocked();
    m_shutdown = false;
}

void CNamedPipe::closeLocked()
{
    Native &native = *m_native;
    if (native.pipe == INVALID_HANDLE_VALUE)
        return;
    // What is still in flight is cancelled, and its OVERLAPPED kept until
    // the system lets go of it.
    CancelIoEx(native.pipe, nullptr);
    if (native.ioThread.joinable()) {
        {
            std::lock_guard<std::mutex> io(native.ioLock);
            native.quit = true;
        }
        SetEvent(native.wake);
        native.ioThread.join();
    }
    DWORD ignored = 0;
    if (native.connectPending)
        GetOverlappedResult(native.pipe, &native.connect, &ignored, TRUE);
    for (const auto &write : native.writes)
        GetOverlappedResult(native.pipe, &write->overlapped, &ignored, TRUE);
    native.writes.clear();
    native.queued.clear();
    CloseHandle(native.pipe);
    native.pipe = INVALID_HANDLE_VALUE;
    native.server = native.connected = native.connectPending = native.byteReads = false;
    native.access = Access::Duplex;
    native.inFlight = 0;
    native.writeError = 0;
    native.issueError = 0;
    ResetEvent(native.shutdownEvent);
}

bool CNamedPipe::Wait(const std::string &pipeName, int timeoutMs)
{
    if (!inPipeNamespace(pipeName))
        return fail(kErrorInvalidName);
    // 2 when the pipe does not exist, 121 when no instance came free in time.
    if (!WaitNamedPipeA(pipeName.c_str(), static_cast<DWORD>(timeoutMs < 0 ? 0 : timeoutMs)))
        return failSystem();
    return true;
}

} // namespace KavoOS
