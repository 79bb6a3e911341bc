#pragma once

#include "ipc/ipipelauncher.h"
#include "ipc/itransportipc.h"
#include "ipc/kavoosmutex.h"
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoosthread.h"
#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kvds {

// A pair of one-way message pipes "\\.\Pipe\<base>_Client2Server" and
// "..._Server2Client". The server creates them without waiting for a client;
// the client opens them. The transport is its own reader thread, which polls
// the callback every 10 ms.
class CPipeTransport : public kvtl::RefCountedImpl<ITransportIPC>, public KavoOS::CKavoThread
{
public:
    static constexpr int ClientWaitMs = 5000;
    static constexpr int PollPauseMs = 10;
    // Bytes a peer that stopped reading may leave waiting before PostEach
    // refuses more.
    static constexpr size_t MaxWaitingBytes = 1u << 20;

    CPipeTransport(const std::string &baseName, bool server, IPipeLauncher *launcher);
    ~CPipeTransport() override;

    bool Connect() override;
    bool Disconnect() override;
    bool IsConnected() override;
    bool Write(const void *data, unsigned n) override;
    bool Read(void *buffer, unsigned n) override;
    bool WriteEach(const Buffer *buffers, unsigned count) override;
    // Do not mix with Write or WriteEach while posted runs still wait.
    bool PostEach(const Buffer *buffers, unsigned count) override;
    bool SetCallback(ITransportIPCCallback *cb) override;

    const std::string &ReadPipeName() const { return m_readPipeName; }
    const std::string &WritePipeName() const { return m_writePipeName; }

private:
    static void readerThread(std::atomic<bool> *stop, void *transport, int32_t value);
    static bool openClientPipe(
        KavoOS::CNamedPipe &pipe, const std::string &name, KavoOS::CNamedPipe::Access access);
    bool toMessages(const Buffer *buffers, unsigned count, std::vector<KavoOS::CNamedPipe::Message> &messages,
        size_t &bytes);
    // A posted run's messages, copied.
    using Run = std::vector<std::string>;
    void writerThread();
    void stopWriter();

    bool m_server;
    std::string m_readPipeName;
    std::string m_writePipeName;
    KavoOS::CNamedPipe m_readPipe;
    KavoOS::CNamedPipe m_writePipe;
    kvtl::RefCountedPtr<IPipeLauncher> m_launcher;
    ITransportIPCCallback *m_callback = nullptr;
    KavoOS::CKavoMutex m_callbackLock;
    std::string m_baseName;

    std::mutex m_postLock;
    std::condition_variable m_posted;
    std::deque<Run> m_waiting; // the front one is being written
    size_t m_waitingBytes = 0;
    bool m_cut = false;
    bool m_stopWriter = false;
    std::thread m_writer;
};

// False, creating nothing, for an empty base name, a null out or a client
// with a launcher. Otherwise *out holds a closed transport with one reference.
bool CreatePipeTransport(
    const std::string &baseName, bool server, IPipeLauncher *launcher, ITransportIPC **out);

} // namespace kvds
