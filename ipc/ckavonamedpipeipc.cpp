#include "ipc/ckavonamedpipeipc.h"

#include "ipc/cpipeprotocol.h"
#include "ipc/cpipetransport.h"
#include "ipc/kavoospipeerror.h"

#include <cstdio>

namespace kvds {

CKavoNamedPipeIPC::CKavoNamedPipeIPC(ITransportIPC *transport)
{
    m_transport = transport;
    m_protocol = new CPipeProtocol(transport);
}

CKavoNamedPipeIPC::~CKavoNamedPipeIPC()
{
    // Joins the reader first: it calls into this object.
    if (m_transport)
        m_transport->Disconnect();
    m_protocol.reset();
    m_transport.reset();
    m_callbacks.clear();
}

bool CKavoNamedPipeIPC::RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append)
{
    if (!CKavoIPCBase::RegisterCallback(prefix, cb, append))
        return false;
    m_transport->SetCallback(this);
    return true;
}

bool CKavoNamedPipeIPC::SendImpl(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    // The owner is usually a GUI thread: it never waits for the peer.
    if (!m_protocol->PostMessage(sender, topic, length, data))
        return false;
    if (m_delivered)
        ++*m_delivered;
    return true;
}

bool CKavoNamedPipeIPC::OnPoll()
{
    std::string sender;
    std::string topic;
    unsigned length = 0;
    const char *data = nullptr;
    if (m_protocol->ReadMessage(sender, topic, length, data)) {
        m_failedReads = false;
        Dispatch(sender, topic, length, data);
        return true;
    }
    const uint32_t error = KavoOS::GetLastError();
    switch (error) {
    case KavoOS::kErrorSuccess:
    case KavoOS::kErrorBrokenPipe:
    case KavoOS::kErrorPipeNotConnected:
        NotifyBrokenPipe();
        return false;
    case KavoOS::kErrorPipeListening:
        return true;
    case KavoOS::kErrorOperationAborted:
        // Our own Disconnect woke the read: nothing to announce.
        return false;
    default:
        // A bad frame fails once for each of its fields: say so once.
        if (!m_failedReads) {
            std::printf("\ndwLastError = %d\n", static_cast<int>(error));
            std::fflush(stdout);
        }
        m_failedReads = true;
        return true;
    }
}

void CKavoNamedPipeIPC::Dispatch(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    try {
        const CallbackTable table = CopyCallbacks();
        for (const auto &[prefix, callbacks] : table) {
            if (topic.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::string rest = topic.substr(prefix.size());
            for (const auto &callback : callbacks)
                callback->OnMessage(sender, rest, length, length ? data : nullptr);
        }
    } catch (...) {
        // A message that cannot be handed on is dropped; the reader goes on.
    }
}

void CKavoNamedPipeIPC::NotifyBrokenPipe()
{
    try {
        const CallbackTable table = CopyCallbacks();
        for (const auto &entry : table) {
            for (const auto &callback : entry.second)
                callback->OnMessage(PipeErrorSender, PipeErrorTopic, 0, nullptr);
        }
    } catch (...) {
    }
}

bool CreateNamedPipeIPCOverTransport(ITransportIPC *transport, IKavoIPC **out)
{
    if (!transport || !out)
        return false;
    *out = nullptr;
    try {
        kvtl::RefCountedPtr<CKavoNamedPipeIPC> endpoint(new CKavoNamedPipeIPC(transport));
        if (!transport->Connect()) {
            // The caller reads why; tearing the endpoint down must not hide it.
            const uint32_t error = KavoOS::GetLastError();
            endpoint.reset();
            KavoOS::SetLastError(error);
            return false;
        }
        endpoint->AddRef();
        *out = endpoint.get();
        return true;
    } catch (...) {
        return false;
    }
}

bool CreateNamedPipeIPC(const std::string &baseName, bool server, IPipeLauncher *launcher, IKavoIPC **out)
{
    if (baseName.empty() || !out)
        return false;
    *out = nullptr;
    try {
        kvtl::RefCountedPtr<ITransportIPC> transport;
        if (CreatePipeTransport(baseName, server, launcher, &transport))
            CreateNamedPipeIPCOverTransport(transport.get(), out);
        return *out != nullptr;
    } catch (...) {
        return false;
    }
}

} // namespace kvds
