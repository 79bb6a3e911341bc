// kavo-ipc: send and watch window-message notices from a shell.
//   kavo-ipc listen [PREFIX...]       print every message until interrupted
//   kavo-ipc send SENDER TOPIC [HEX]  send one message, print the delivered count
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"

#include "tools/stopsignals.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include <pthread.h>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const char kUsage[]
    = "usage: kavo-ipc listen [PREFIX...]\n"
      "       kavo-ipc send SENDER TOPIC [HEX]\n"
      "listen prints one line per message: sender, topic, payload length and payload in hex;\n"
      "without a prefix it prints every message. send prints the number of callbacks called.\n";

int Usage(const char *problem)
{
    if (problem)
        std::fprintf(stderr, "kavo-ipc: %s\n", problem);
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

bool ParseHex(const std::string &hex, std::string *out)
{
    if (hex.size() % 2 != 0)
        return false;
    auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    out->clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        out->push_back(static_cast<char>(high * 16 + low));
    }
    return true;
}

bool ValidName(const std::string &name)
{
    return !name.empty() && name.size() <= KavoIPC::kMaxNameLength;
}

class Printer : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        static const char digits[] = "0123456789abcdef";
        std::string hex;
        const auto *bytes = static_cast<const unsigned char *>(data);
        for (unsigned i = 0; i < length; ++i) {
            hex.push_back(digits[bytes[i] >> 4]);
            hex.push_back(digits[bytes[i] & 15]);
        }
        std::lock_guard<std::mutex> lock(m_lock);
        std::printf(
            "sender=%s topic=%s length=%u data=%s\n", sender.c_str(), topic.c_str(), length, hex.c_str());
        std::fflush(stdout);
    }

private:
    std::mutex m_lock;
};

int Listen(int argc, char **argv)
{
    for (int i = 2; i < argc; ++i) {
        if (!ValidName(argv[i]))
            return Usage("a prefix must be 1 to 256 bytes");
    }
    const sigset_t stop = blockStopSignals();

    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    if (!CreateWindowMessageIPC(&ipc)) {
        std::fprintf(stderr, "kavo-ipc: cannot create a window-message endpoint\n");
        return kExitFailed;
    }
    kvtl::RefCountedPtr<Printer> printer(new Printer);
    if (argc > 2) {
        for (int i = 2; i < argc; ++i)
            ipc->RegisterCallback(std::string(argv[i]), printer.get(), true);
    } else {
        // Every topic starts with exactly one of the 255 non-zero bytes.
        for (int byte = 1; byte < 256; ++byte)
            ipc->RegisterCallback(std::string(1, static_cast<char>(byte)), printer.get(), true);
    }
    std::printf("listening as %s\n", static_cast<KavoIPC *>(ipc.get())->WindowName().c_str());
    std::fflush(stdout);
    waitForStopSignal(stop);
    return kExitOk;
}

int Send(int argc, char **argv)
{
    if (argc < 4 || argc > 5)
        return Usage("send takes SENDER TOPIC and an optional HEX payload");
    const std::string sender = argv[2];
    const std::string topic = argv[3];
    if (!ValidName(sender) || !ValidName(topic))
        return Usage("sender and topic must be 1 to 256 bytes");
    std::string payload;
    if (argc == 5 && !ParseHex(argv[4], &payload))
        return Usage("the payload must be an even number of hex digits");

    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    if (!CreateWindowMessageIPC(&ipc)) {
        std::fprintf(stderr, "kavo-ipc: cannot create a window-message endpoint\n");
        return kExitFailed;
    }
    int delivered = 0;
    if (!ipc->Send(sender, topic, static_cast<unsigned>(payload.size()),
            payload.empty() ? nullptr : payload.data(), &delivered)) {
        std::fprintf(stderr, "kavo-ipc: the message could not be sent\n");
        return kExitFailed;
    }
    std::printf("delivered %d\n", delivered);
    return kExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage(nullptr);
    const std::string command = argv[1];
    if (command == "-h" || command == "--help" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (command == "listen")
        return Listen(argc, argv);
    if (command == "send")
        return Send(argc, argv);
    return Usage(("unknown command: " + command).c_str());
}
