// The other process of the pipe tests.
//   pipe_peer serve BASE     a server endpoint; "ready", then waits to be killed
//   pipe_peer echo BASE      a client endpoint that answers every message on
//                            "Echo" with sender "Echo" and topic "Reply" + rest
//   pipe_peer partial BASE   a client that writes half a frame and exits
//   pipe_peer client BASE    an echo client whose launcher made the pipes
//                            already; it ends when they go
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/cpipeprotocol.h"
#include "ipc/cpipetransport.h"
#include "ipc/refcountedptr.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

class Echo : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        if (sender == kvds::CKavoNamedPipeIPC::PipeErrorSender) {
            std::printf("pipe error\n");
            std::fflush(stdout);
            _exit(0);
        }
        int delivered = 0;
        endpoint->Send("Echo", "Reply" + topic, length, data, &delivered);
    }
    kvds::IKavoIPC *endpoint = nullptr;
};

void waitForStdinEnd()
{
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) { }
}

bool connectClient(const std::string &base, kvtl::RefCountedPtr<kvds::IKavoIPC> &endpoint)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (kvds::CreateNamedPipeIPC(base, false, nullptr, &endpoint))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const std::string mode = argv[1];
    const std::string base = argv[2];

    if (mode == "serve") {
        kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
        if (!kvds::CreateNamedPipeIPC(base, true, nullptr, &endpoint))
            return 1;
        std::printf("ready\n");
        std::fflush(stdout);
        waitForStdinEnd();
        return 0;
    }
    if (mode == "echo") {
        kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
        if (!connectClient(base, endpoint))
            return 1;
        Echo echo;
        echo.AddRef();
        echo.endpoint = endpoint.get();
        endpoint->RegisterCallback(std::string("Echo"), &echo, false);
        std::printf("ready\n");
        std::fflush(stdout);
        waitForStdinEnd();
        endpoint.reset();
        return 0;
    }
    if (mode == "client") {
        kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
        if (!kvds::CreateNamedPipeIPC(base, false, nullptr, &endpoint))
            return 1;
        Echo echo;
        echo.AddRef();
        echo.endpoint = endpoint.get();
        endpoint->RegisterCallback(std::string("Echo"), &echo, false);
        // The pipe error ends the process; a launcher that never closes them
        // does after a minute.
        std::this_thread::sleep_for(std::chrono::seconds(60));
        return 3;
    }
    if (mode == "partial") {
        kvtl::RefCountedPtr<kvds::ITransportIPC> transport;
        if (!kvds::CreatePipeTransport(base, false, nullptr, &transport))
            return 1;
        for (int attempt = 0; attempt < 500 && !transport->Connect(); ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const uint32_t magic = kvds::CPipeProtocol::Magic;
        const uint32_t length = 3;
        if (!transport->Write(&magic, 4) || !transport->Write(&length, 4))
            return 1;
        std::printf("partial\n");
        std::fflush(stdout);
        _exit(0); // dies mid-frame, pipes closed by the system
    }
    return 2;
}
