// A small peer process for the window-message tests. It makes ENDPOINTS
// endpoints, each counting the messages under PREFIX, prints
// "ready NAME..." and then answers commands on stdin, one per line:
//   send SENDER TOPIC [HEX]  -> "sent OK COUNT" (sent from the first endpoint)
//   count                    -> "count N..." (messages each endpoint received)
//   relayed                  -> "relayed COUNT..." (counts of relayed sends)
//   senders                  -> "senders PID..." (the sending process of each
//                               endpoint's last message, -1 when unknown)
//   quit
// With "relay", a message on "Go" makes the first endpoint's window thread
// send "Ping" with a 64 KiB payload.
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Counter : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override
    {
        long process = -1;
        lastSender = delivery && delivery->CurrentSenderProcess(&process) ? process : -1;
        ++count;
    }
    std::atomic<int> count { 0 };
    std::atomic<long> lastSender { 0 };
    const kvds::IKavoIPCDelivery *delivery = nullptr;
};

class Relay : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    explicit Relay(kvds::IKavoIPC *ipc)
        : m_ipc(ipc)
    {
    }
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override
    {
        const std::string payload(64 * 1024, 'p');
        int delivered = 0;
        m_ipc->Send(std::string("relay"), std::string("Ping"), static_cast<unsigned>(payload.size()),
            payload.data(), &delivered);
        std::lock_guard<std::mutex> lock(m_lock);
        m_results.push_back(delivered);
    }
    std::vector<int> Results()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_results;
    }

private:
    kvds::IKavoIPC *m_ipc;
    std::mutex m_lock;
    std::vector<int> m_results;
};

std::string FromHex(const std::string &hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const int count = std::atoi(argv[1]);
    const std::string prefix = argv[2];
    const bool relay = argc > 3 && std::string(argv[3]) == "relay";

    std::vector<kvtl::RefCountedPtr<kvds::IKavoIPC>> endpoints(static_cast<size_t>(count));
    std::vector<kvtl::RefCountedPtr<Counter>> counters;
    kvtl::RefCountedPtr<Relay> relayCallback;
    std::string ready = "ready";
    for (auto &endpoint : endpoints) {
        if (!CreateWindowMessageIPC(&endpoint))
            return 3;
        counters.emplace_back(new Counter);
        counters.back()->delivery = static_cast<KavoIPC *>(endpoint.get());
        endpoint->RegisterCallback(prefix, counters.back().get(), true);
        ready += ' ' + static_cast<KavoIPC *>(endpoint.get())->WindowName();
    }
    if (relay && !endpoints.empty()) {
        relayCallback = new Relay(endpoints[0].get());
        endpoints[0]->RegisterCallback(std::string("Go"), relayCallback.get(), true);
    }
    std::cout << ready << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "send") {
            std::string sender, topic, hex;
            in >> sender >> topic >> hex;
            const std::string payload = FromHex(hex);
            int delivered = -1;
            const bool ok = endpoints[0]->Send(sender, topic, static_cast<unsigned>(payload.size()),
                payload.empty() ? nullptr : payload.data(), &delivered);
            std::cout << "sent " << ok << ' ' << delivered << std::endl;
        } else if (command == "count") {
            std::string reply = "count";
            for (const auto &counter : counters)
                reply += ' ' + std::to_string(counter->count.load());
            std::cout << reply << std::endl;
        } else if (command == "senders") {
            std::string reply = "senders";
            for (const auto &counter : counters)
                reply += ' ' + std::to_string(counter->lastSender.load());
            std::cout << reply << std::endl;
        } else if (command == "relayed") {
            std::string reply = "relayed";
            if (relayCallback) {
                for (int result : relayCallback->Results())
                    reply += ' ' + std::to_string(result);
            }
            std::cout << reply << std::endl;
        } else if (command == "quit") {
            break;
        }
    }
    return 0;
}
