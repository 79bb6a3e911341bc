#include "ipc/cpipetransport.h"

#include "ipc/kavoosautomutex.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/signalpeerready.h"

#include <chrono>
#include <thread>
#include <vector>

namespace kvds {

namespace {
constexpr char PipePrefix[] = "\\\\.\\Pipe\\";
}

CPipeTransport::CPipeTransport(const std::string &baseName, bool server, IPipeLauncher *launcher)
    : KavoOS::CKavoThread(&CPipeTransport::readerThread, this, 0, KavoOS::CKavoThread::PriorityNormal)
    , m_server(server)
    , m_readPipeName(PipePrefix + baseName + "_Client2Server")
    , m_writePipeName(PipePrefix + baseName + "_Server2Client")
    , m_launcher(launcher)
    , m_baseName(baseName)
{
    if (!m_server)
        m_readPipeName.swap(m_writePipeName);
}

CPipeTransport::~CPipeTransport()
{
    if (!m_launcher) {
        Disconnect();
    } else {
        // The pipes outlive a launched transport, but the threads must not
        // outlive the members they use.
        m_readPipe.Shutdown();
        stopWriter();
        Stop(false);
    }
}

bool CPipeTransport::openClientPipe(
    KavoOS::CNamedPipe &pipe, const std::string &name, KavoOS::CNamedPipe::Access access)
{
    // Only a busy pipe is waited for: a missing server fails at once.
    while (!pipe.Open(name, access)) {
        if (KavoOS::GetLastError() != KavoOS::kErrorPipeBusy || !KavoOS::CNamedPipe::Wait(name, ClientWaitMs))
            return false;
    }
    return true;
}

bool CPipeTransport::Connect()
{
    if ((!m_server && m_launcher) || IsConnected())
        return false;

    // Each pipe carries one way, as a peer of its own expects it to.
    using Access = KavoOS::CNamedPipe::Access;
    if (m_server) {
        if (m_readPipe.Create(m_readPipeName, Access::Read))
            m_writePipe.Create(m_writePipeName, Access::Write);
    } else {
        if (openClientPipe(m_readPipe, m_readPipeName, Access::Read))
            openClientPipe(m_writePipe, m_writePipeName, Access::Write);
    }
    if (!IsConnected()) {
        const uint32_t error = KavoOS::GetLastError();
        Disconnect();
        KavoOS::SetLastError(error);
        return false;
    }

    Start();

    if (m_launcher) {
        if (!m_launcher->Launch(m_baseName.c_str()))
            return false;
    } else if (!m_server) {
        SignalPeerReady();
    }
    return IsConnected();
}

bool CPipeTransport::Disconnect()
{
    // Closing a socket does not end a read or write blocked on it; shutting
    // it down does, and the peer sees at once that we have gone: no pause
    // is needed before the threads are joined. Runs still waiting are
    // dropped, since waiting for them would wait on the peer.
    m_writePipe.Shutdown();
    m_readPipe.Shutdown();
    stopWriter();
    Stop(false);
    m_writePipe.Close();
    m_readPipe.Close();
    SetCallback(nullptr);
    return true;
}

bool CPipeTransport::IsConnected()
{
    return m_readPipe.IsOpen() && m_writePipe.IsOpen();
}

bool CPipeTransport::Write(const void *data, unsigned n)
{
    if (!IsConnected()) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidHandle);
        return false;
    }
    if (!data)
        return n == 0;
    if (n == 0)
        return false;
    return m_writePipe.Write(data, n);
}

// The buffers as messages, (null, 0) left out; false, with nothing kept,
// when not connected or a buffer has data without bytes or bytes without
// data.
bool CPipeTransport::toMessages(
    const Buffer *buffers, unsigned count, std::vector<KavoOS::CNamedPipe::Message> &messages, size_t &bytes)
{
    if (!IsConnected()) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidHandle);
        return false;
    }
    messages.reserve(count);
    bytes = 0;
    for (unsigned i = 0; i < count; ++i) {
        const Buffer &buffer = buffers[i];
        if ((buffer.data == nullptr) != (buffer.n == 0)) {
            messages.clear();
            KavoOS::SetLastError(KavoOS::kErrorInvalidParameter);
            return false;
        }
        if (buffer.n != 0)
            messages.push_back({ buffer.data, buffer.n });
        bytes += buffer.n;
    }
    return true;
}

bool CPipeTransport::WriteEach(const Buffer *buffers, unsigned count)
{
    std::vector<KavoOS::CNamedPipe::Message> messages;
    size_t bytes = 0;
    if (!toMessages(buffers, count, messages, bytes))
        return false;
    return messages.empty()
        || m_writePipe.WriteMessages(messages.data(), static_cast<unsigned>(messages.size()));
}

bool CPipeTransport::PostEach(const Buffer *buffers, unsigned count)
{
    std::vector<KavoOS::CNamedPipe::Message> messages;
    size_t bytes = 0;
    if (!toMessages(buffers, count, messages, bytes))
        return false;
    if (messages.empty())
        return true;

    std::lock_guard<std::mutex> lock(m_postLock);
    if (m_cut) {
        KavoOS::SetLastError(KavoOS::kErrorBrokenPipe);
        return false;
    }
    unsigned sent = 0;
    if (m_waiting.empty()) {
        if (m_writePipe.WriteMessages(messages.data(), static_cast<unsigned>(messages.size()), 0, &sent))
            return true;
        // No peer yet, or it has gone: nothing was handed over.
        if (KavoOS::GetLastError() != KavoOS::kErrorSemTimeout)
            return false;
    } else if (m_waitingBytes + bytes > MaxWaitingBytes) {
        KavoOS::SetLastError(KavoOS::kErrorSemTimeout);
        return false;
    }
    // The socket is full: the writer finishes the run, whatever of it
    // already went.
    try {
        Run rest;
        rest.reserve(messages.size() - sent);
        for (size_t i = sent; i < messages.size(); ++i)
            rest.emplace_back(static_cast<const char *>(messages[i].data), messages[i].size);
        if (!m_writer.joinable())
            m_writer = std::thread(&CPipeTransport::writerThread, this);
        m_waiting.push_back(std::move(rest));
    } catch (...) {
        // A frame begun and not finished would spoil every later one.
        m_cut = sent != 0;
        if (m_cut)
            m_writePipe.Shutdown();
        KavoOS::SetLastError(KavoOS::kErrorNotEnoughMemory);
        return false;
    }
    m_waitingBytes += bytes;
    m_posted.notify_one();
    return true;
}

void CPipeTransport::writerThread()
{
    std::unique_lock<std::mutex> lock(m_postLock);
    for (;;) {
        m_posted.wait(lock, [this] { return m_stopWriter || !m_waiting.empty(); });
        if (m_stopWriter)
            return;
        const Run &run = m_waiting.front();
        std::vector<KavoOS::CNamedPipe::Message> messages;
        size_t bytes = 0;
        for (const std::string &message : run) {
            messages.push_back({ message.data(), message.size() });
            bytes += message.size();
        }
        // PostEach only queues behind the front run, which stays in place,
        // so the lock can be let go while the peer is waited for.
        lock.unlock();
        const bool written
            = m_writePipe.WriteMessages(messages.data(), static_cast<unsigned>(messages.size()));
        lock.lock();
        m_waiting.pop_front();
        m_waitingBytes -= std::min(m_waitingBytes, bytes);
        if (!written && !m_stopWriter) {
            // The peer must never take a later run's messages for the rest
            // of this one: the connection ends here, and the peer sees it.
            m_cut = true;
            m_waiting.clear();
            m_waitingBytes = 0;
            m_writePipe.Shutdown();
        }
    }
}

void CPipeTransport::stopWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_postLock);
        m_stopWriter = true;
    }
    m_posted.notify_all();
    if (m_writer.joinable())
        m_writer.join();
    std::lock_guard<std::mutex> lock(m_postLock);
    m_waiting.clear();
    m_waitingBytes = 0;
    m_stopWriter = false;
    m_cut = false;
}

bool CPipeTransport::Read(void *buffer, unsigned n)
{
    if (!IsConnected()) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidHandle);
        return false;
    }
    if (!buffer && n != 0) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidParameter);
        return false;
    }
    return m_readPipe.Read(buffer, n);
}

bool CPipeTransport::SetCallback(ITransportIPCCallback *cb)
{
    KavoOS::CAutoMutex lock(&m_callbackLock, -1);
    m_callback = cb;
    return true;
}

void CPipeTransport::readerThread(std::atomic<bool> *stop, void *transport, int32_t)
{
    auto *self = static_cast<CPipeTransport *>(transport);
    bool keepPolling = true;
    while (!stop->load() && keepPolling) {
        std::this_thread::sleep_for(std::chrono::milliseconds(PollPauseMs));
        ITransportIPCCallback *callback;
        {
            KavoOS::CAutoMutex lock(&self->m_callbackLock, -1);
            callback = self->m_callback;
        }
        if (callback)
            keepPolling = callback->OnPoll();
    }
}

bool CreatePipeTransport(
    const std::string &baseName, bool server, IPipeLauncher *launcher, ITransportIPC **out)
{
    if (baseName.empty() || !out || (!server && launcher))
        return false;
    *out = nullptr;
    try {
        auto *transport = new CPipeTransport(baseName, server, launcher);
        transport->AddRef();
        *out = transport;
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kvds
