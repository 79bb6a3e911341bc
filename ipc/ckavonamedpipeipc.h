#pragma once

#include "ipc/ckavoipcbase.h"
#include "ipc/ipipelauncher.h"
#include "ipc/itransportipccallback.h"
#include "ipc/refcountedimpl.h"

#include <string>

namespace kvds {

// The endpoint over a pipe transport: frames are read on the transport's
// reader thread and handed to every callback whose prefix starts the topic,
// with that prefix removed. When the peer goes, every registration gets the
// notice "_KavoPipeIPC_::" / "IPCPipeError" once and the reader ends.
class CKavoNamedPipeIPC : public kvtl::RefCountedImpl<CKavoIPCBase>, public ITransportIPCCallback
{
public:
    static constexpr char PipeErrorSender[] = "_KavoPipeIPC_::";
    static constexpr char PipeErrorTopic[] = "IPCPipeError";

    explicit CKavoNamedPipeIPC(ITransportIPC *transport);
    ~CKavoNamedPipeIPC() override;

    using CKavoIPCBase::RegisterCallback;
    bool RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append) override;
    bool SendImpl(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;
    bool OnPoll() override;

private:
    void Dispatch(const std::string &sender, const std::string &topic, unsigned length, const void *data);
    void NotifyBrokenPipe();

    // On the reader thread: the reads since the last good frame failed.
    bool m_failedReads = false;
};

// False, creating nothing, for an empty base name or a null out. Otherwise
// *out holds a connected endpoint with one reference, or stays null.
bool CreateNamedPipeIPC(const std::string &baseName, bool server, IPipeLauncher *launcher, IKavoIPC **out);
// Connects the transport under a new endpoint; null arguments fail.
bool CreateNamedPipeIPCOverTransport(ITransportIPC *transport, IKavoIPC **out);

} // namespace kvds
