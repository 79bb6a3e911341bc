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
        // The pipes outlive a launched transport, but the reader must not
        // outlive the members it reads.
        m_readPipe.Shutdown();
        Stop(false);
    }
}

bool CPipeTransport::openClientPipe(KavoOS::CNamedPipe &pipe, const std::string &name)
{
    // Only a busy pipe is waited for: a missing server fails at once.
    while (!pipe.Open(name)) {
        if (KavoOS::GetLastError() != KavoOS::kErrorPipeBusy || !KavoOS::CNamedPipe::Wait(name, ClientWaitMs))
            return false;
    }
    return true;
}

bool CPipeTransport::Connect()
{
    if ((!m_server && m_launcher) || IsConnected())
        return false;

    if (m_server) {
        if (m_readPipe.Create(m_readPipeName))
            m_writePipe.Create(m_writePipeName);
    } else {
        if (openClientPipe(m_readPipe, m_readPipeName))
            openClientPipe(m_writePipe, m_writePipeName);
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
    // Closing a socket does not end a read blocked on it; shutting it down
    // does, and tells the peer that we have gone.
    m_writePipe.Shutdown();
    m_readPipe.Shutdown();
    std::this_thread::sleep_for(std::chrono::milliseconds(DisconnectPauseMs));
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

bool CPipeTransport::WriteEach(const Buffer *buffers, unsigned count)
{
    if (!IsConnected()) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidHandle);
        return false;
    }
    std::vector<iovec> messages;
    messages.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const Buffer &buffer = buffers[i];
        if ((buffer.data == nullptr) != (buffer.n == 0)) {
            KavoOS::SetLastError(KavoOS::kErrorInvalidParameter);
            return false;
        }
        if (buffer.n != 0)
            messages.push_back({const_cast<void *>(buffer.data), buffer.n});
    }
    return messages.empty() || m_writePipe.WriteMessages(messages.data(), static_cast<unsigned>(messages.size()));
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

bool CreatePipeTransport(const std::string &baseName, bool server, IPipeLauncher *launcher, ITransportIPC **out)
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
