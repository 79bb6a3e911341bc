#include "ipc/kavoosnamedpipe.h"

#include "ipc/kavoospipeerror.h"

#include <windows.h>

#include <cstring>
#include <deque>
#include <new>
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
    // A message handed to the system and not yet taken by the reader: its
    // bytes and OVERLAPPED must stay put until it completes.
    struct Write
    {
        OVERLAPPED overlapped{};
        std::string bytes;
        ~Write()
        {
            if (overlapped.hEvent)
                CloseHandle(overlapped.hEvent);
        }
    };

    Native() : connectEvent(manualResetEvent()), readEvent(manualResetEvent()), shutdownEvent(manualResetEvent()) {}
    ~Native()
    {
        for (HANDLE event : {connectEvent, readEvent, shutdownEvent}) {
            if (event)
                CloseHandle(event);
        }
    }
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    bool Usable() const { return connectEvent && readEvent && shutdownEvent; }

    // Collects the writes that completed, oldest first, as the pipe keeps
    // them in order. A failed one spoils the connection for later runs.
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

    HANDLE pipe = INVALID_HANDLE_VALUE;
    bool server = false;
    bool connected = false;
    bool connectPending = false;
    OVERLAPPED connect{};
    HANDLE connectEvent;
    HANDLE readEvent;
    HANDLE shutdownEvent;
    std::deque<std::unique_ptr<Write>> writes;
    size_t inFlight = 0;
    DWORD writeError = 0;
};

CNamedPipe::CNamedPipe() : m_native(new Native) {}

CNamedPipe::~CNamedPipe()
{
    Close();
}

bool CNamedPipe::Create(const std::string &pipeName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Native &native = *m_native;
    if (native.pipe != INVALID_HANDLE_VALUE)
        return fail(kErrorInvalidParameter);
    if (!inPipeNamespace(pipeName))
        return fail(kErrorInvalidName);
    if (!native.Usable())
        return fail(kErrorNotEnoughMemory);
    // Blocking mode as far as the pipe goes; overlapped I/O is what keeps
    // every wait here bounded and cancellable.
    HANDLE pipe = CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                   PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                                   PipeInstances, PipeBufferSize, PipeBufferSize, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return failSystem();
    native.connect = OVERLAPPED{};
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
    native.pipe = pipe;
    native.server = true;
    native.connected = connected;
    native.connectPending = pending;
    ResetEvent(native.shutdownEvent);
    m_shutdown = false;
    return true;
}

bool CNamedPipe::Open(const std::string &pipeName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Native &native = *m_native;
    if (native.pipe != INVALID_HANDLE_VALUE)
        return fail(kErrorInvalidParameter);
    if (!inPipeNamespace(pipeName))
        return fail(kErrorInvalidName);
    if (!native.Usable())
        return fail(kErrorNotEnoughMemory);
    // 2 when no server made the pipe, 231 when every instance has its client.
    HANDLE pipe = CreateFileA(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return failSystem();
    DWORD mode = PIPE_READMODE_MESSAGE;
    if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr)) {
        const DWORD error = ::GetLastError();
        CloseHandle(pipe);
        return fail(error);
    }
    native.pipe = pipe;
    native.server = false;
    native.connected = true;
    native.connectPending = false;
    ResetEvent(native.shutdownEvent);
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
    HANDLE pipe;
    bool awaitClient;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        pipe = native.pipe;
        awaitClient = pipe != INVALID_HANDLE_VALUE && !native.connected && native.connectPending;
    }
    if (awaitClient) {
        // Bounded, as the endpoint polls; Shutdown ends the wait at once.
        HANDLE waits[2] = {native.connectEvent, native.shutdownEvent};
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
    OVERLAPPED overlapped{};
    overlapped.hEvent = native.readEvent;
    const auto await = [&](DWORD &got) {
        HANDLE waits[2] = {native.readEvent, native.shutdownEvent};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0)
            CancelIoEx(pipe, &overlapped);
        return GetOverlappedResult(pipe, &overlapped, &got, TRUE) != FALSE;
    };
    DWORD got = 0;
    bool ok = ReadFile(pipe, buffer, n, &got, &overlapped) != FALSE;
    DWORD error = ok ? 0 : ::GetLastError();
    if (!ok && error == ERROR_IO_PENDING) {
        ok = await(got);
        error = ok ? 0 : ::GetLastError();
    }
    if (m_shutdown)
        return fail(kErrorOperationAborted);
    if (!ok && error == ERROR_MORE_DATA) {
        // Message mode keeps the rest for the next read; the frame reader
        // must not take it for a message of its own, so it goes now.
        std::vector<char> rest(PipeBufferSize);
        do {
            overlapped = OVERLAPPED{};
            overlapped.hEvent = native.readEvent;
            ok = ReadFile(pipe, rest.data(), PipeBufferSize, &got, &overlapped) != FALSE;
            error = ok ? 0 : ::GetLastError();
            if (!ok && error == ERROR_IO_PENDING) {
                ok = await(got);
                error = ok ? 0 : ::GetLastError();
            }
        } while (!ok && error == ERROR_MORE_DATA && !m_shutdown);
        return fail(m_shutdown ? kErrorOperationAborted : ok ? kErrorMoreData : error);
    }
    if (!ok)
        return fail(error);
    if (got != n)
        return fail(kErrorInvalidData);
    return true;
}

bool CNamedPipe::Write(const void *data, unsigned n)
{
    const Message message{data, n};
    return WriteMessages(&message, n == 0 ? 0 : 1);
}

bool CNamedPipe::WriteMessages(const Message *messages, unsigned count, int timeoutMs, unsigned *sent)
{
    if (sent)
        *sent = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    Native &native = *m_native;
    if (m_shutdown)
        return fail(kErrorOperationAborted);
    if (!acceptLocked())
        return false;
    if (count == 0)
        return true;

    // Copies made before anything is handed over: a run fails whole or goes whole.
    std::vector<std::unique_ptr<Native::Write>> run;
    size_t needed = 0;
    try {
        run.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            auto write = std::make_unique<Native::Write>();
            write->bytes.assign(static_cast<const char *>(messages[i].data), messages[i].size);
            write->overlapped.hEvent = manualResetEvent();
            if (!write->overlapped.hEvent)
                return failSystem();
            needed += messages[i].size;
            run.push_back(std::move(write));
        }
    } catch (const std::bad_alloc &) {
        return fail(kErrorNotEnoughMemory);
    }

    // Begun only once the whole run fits the budget (or nothing is in
    // flight), so a reader that stops leaves whole runs behind.
    const DWORD started = GetTickCount();
    for (;;) {
        native.Reap();
        if (native.writeError != 0)
            return fail(native.writeError);
        if (native.writes.empty() || native.inFlight + needed <= InFlightBytes)
            break;
        const DWORD waited = GetTickCount() - started;
        if (timeoutMs <= 0 || waited >= static_cast<DWORD>(timeoutMs))
            return fail(kErrorSemTimeout);
        // Only this writer reaps, so the front write stays while unlocked.
        HANDLE waits[2] = {native.writes.front()->overlapped.hEvent, native.shutdownEvent};
        lock.unlock();
        WaitForMultipleObjects(2, waits, FALSE, static_cast<DWORD>(timeoutMs) - waited);
        lock.lock();
        if (m_shutdown)
            return fail(kErrorOperationAborted);
    }

    for (unsigned i = 0; i < count; ++i) {
        Native::Write &write = *run[i];
        const bool done = WriteFile(native.pipe, write.bytes.data(), static_cast<DWORD>(write.bytes.size()),
                                    nullptr, &write.overlapped)
            != FALSE;
        if (!done) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_IO_PENDING) {
                // A run cut after its start would spoil every later one.
                if (i != 0)
                    native.writeError = error;
                return fail(error);
            }
        }
        native.inFlight += write.bytes.size();
        native.writes.push_back(std::move(run[i]));
        if (sent)
            *sent = i + 1;
    }
    native.Reap();
    return true;
}

void CNamedPipe::Shutdown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_shutdown = true;
    // The waits of Read and WriteMessages watch it; a read it ends is
    // cancelled by its own thread, never by closing the handle under it.
    SetEvent(m_native->shutdownEvent);
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
    DWORD ignored = 0;
    if (native.connectPending)
        GetOverlappedResult(native.pipe, &native.connect, &ignored, TRUE);
    for (const auto &write : native.writes)
        GetOverlappedResult(native.pipe, &write->overlapped, &ignored, TRUE);
    native.writes.clear();
    CloseHandle(native.pipe);
    native.pipe = INVALID_HANDLE_VALUE;
    native.server = native.connected = native.connectPending = false;
    native.inFlight = 0;
    native.writeError = 0;
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
