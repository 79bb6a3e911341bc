// The time of one window-message Send to K peer endpoints in other
// processes, against a raw Unix-socket connect + request + 4-byte answer +
// close to as many listeners, measured in the same run. The raw request has
// the size of the Send's on the wire (a 120-byte header and the 540-byte
// message), and the sender, like the raw side, has no callback of its own.
// Target: Send at most 1.5 times the raw figure. For information, the same
// once the sender listens too, when its own window thread is woken as well.
// Also: a notice's latency while five connections that never send are open
// to the peer; target under 100 ms.
#include "bench/benchchild.h"
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr size_t kRawRequestSize = 120 + 540;
const int kPeerCounts[] = { 1, 4, 16 };

std::string g_root;

class NullCallback : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override { }
};

bool ReadFull(int fd, char *out, size_t size)
{
    while (size > 0) {
        const ssize_t n = read(fd, out, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

sockaddr_un Address(const std::string &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    return address;
}

// Child: one endpoint that listens to the benchmark's topic until stdin closes.
int RunPeer()
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    if (!CreateWindowMessageIPC(&ipc))
        return 1;
    kvtl::RefCountedPtr<NullCallback> callback(new NullCallback);
    ipc->RegisterCallback(std::string("Device/"), callback.get(), true);
    std::puts("ready");
    std::fflush(stdout);
    char c;
    while (read(STDIN_FILENO, &c, 1) > 0) { }
    return 0;
}

// Child: a raw listener that answers every 540-byte request with 4 bytes.
int RunRawListener(const std::string &path)
{
    const int listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = Address(path);
    if (bind(listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0
        || listen(listenFd, SOMAXCONN) != 0)
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        char request[kRawRequestSize];
        if (ReadFull(fd, request, sizeof(request))) {
            const char answer[4] = { 1, 0, 0, 0 };
            send(fd, answer, sizeof(answer), MSG_NOSIGNAL);
        }
        close(fd);
    }
}

// K peer processes in a window directory of their own, and the sending
// endpoint there; and K raw listeners in another folder.
struct PeerSet
{
    std::vector<BenchChild> children;
    kvtl::RefCountedPtr<kvds::IKavoIPC> sender;
    std::vector<std::string> rawPaths;
};

PeerSet &Peers(int k)
{
    static std::map<int, std::unique_ptr<PeerSet>> sets;
    auto &set = sets[k];
    if (set)
        return *set;
    set = std::make_unique<PeerSet>();
    const std::string runtime = g_root + "/runtime" + std::to_string(k);
    const std::string raw = g_root + "/raw" + std::to_string(k);
    std::filesystem::create_directories(runtime);
    std::filesystem::create_directories(raw);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    for (int i = 0; i < k; ++i)
        set->children.push_back(SpawnSelf({ "--peer" }, true));
    if (!CreateWindowMessageIPC(&set->sender))
        std::abort();
    for (int i = 0; i < k; ++i) {
        set->rawPaths.push_back(raw + "/listener" + std::to_string(i));
        set->children.push_back(SpawnSelf({ "--raw", set->rawPaths.back() }, true));
    }
    return *set;
}

void StopChildren()
{
    // Closing their stdin ends the peers; raw listeners are killed.
    for (int k : kPeerCounts) {
        PeerSet &set = Peers(k);
        set.sender.reset();
        for (const BenchChild &child : set.children)
            FinishChild(child);
    }
}

// The count of callbacks called: K when every peer answered.
int SendOnce(PeerSet &set)
{
    const unsigned char notice[12] = { 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0 };
    int delivered = 0;
    set.sender->Send(
        std::string("{bench-component}"), std::string("Device/Change"), sizeof(notice), notice, &delivered);
    return delivered;
}

bool RawOnce(PeerSet &set)
{
    char request[kRawRequestSize] = {};
    bool ok = true;
    for (const std::string &path : set.rawPaths) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = Address(path);
        char answer[4];
        if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0
            || send(fd, request, sizeof(request), MSG_NOSIGNAL) != sizeof(request)
            || !ReadFull(fd, answer, sizeof(answer)))
            ok = false;
        close(fd);
    }
    return ok;
}

void BM_WindowMessageSend(benchmark::State &state)
{
    PeerSet &set = Peers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (SendOnce(set) != state.range(0))
            state.SkipWithError("a peer did not answer");
    }
}

void BM_RawSocketRoundTrip(benchmark::State &state)
{
    PeerSet &set = Peers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!RawOnce(set))
            state.SkipWithError("raw round trip failed");
    }
}

// Send and raw taken turn about, so that a change of load on a shared
// machine hits both alike; the medians of the single samples.
void PrintInterleavedRatios(const std::vector<int> &peerCounts, const char *note)
{
    using Clock = std::chrono::steady_clock;
    constexpr int kRounds = 2001;
    for (int k : peerCounts) {
        PeerSet &set = Peers(k);
        std::vector<double> send, raw;
        for (int i = 0; i < kRounds; ++i) {
            auto start = Clock::now();
            SendOnce(set);
            send.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            start = Clock::now();
            RawOnce(set);
            raw.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        std::nth_element(send.begin(), send.begin() + kRounds / 2, send.end());
        std::nth_element(raw.begin(), raw.begin() + kRounds / 2, raw.end());
        const double s = send[kRounds / 2];
        const double r = raw[kRounds / 2];
        std::printf("K=%-2d interleaved medians%s: Send %.1f us, raw %.1f us, ratio %.2f%s\n", k, note, s, r,
            s / r, *note ? "" : " (target <= 1.50)");
    }
}

// Five idle connections to the one peer of K=1, then notices as usual.
void PrintIdleConnectionLatency()
{
    PeerSet &set = Peers(1);
    const std::string directory = g_root + "/runtime1/KavoIPCWindowClassName";
    const std::string own = static_cast<KavoIPC *>(set.sender.get())->WindowName();
    std::vector<int> idle;
    for (const auto &entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name == own || !KavoIPCWindow::HasWindowTitle(name.c_str()))
            continue;
        for (int i = 0; i < 5; ++i) {
            const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            const sockaddr_un address = Address(entry.path().string());
            if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
                idle.push_back(fd);
            else
                close(fd);
        }
    }
    std::vector<double> latency;
    int delivered = 0;
    for (int i = 0; i < 50; ++i) {
        const auto start = std::chrono::steady_clock::now();
        delivered += SendOnce(set);
        latency.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    for (int fd : idle)
        close(fd);
    std::sort(latency.begin(), latency.end());
    std::printf("notice with %zu idle connections open: median %.2f ms, longest %.2f ms, %d of 50 heard "
                "(target < 100 ms)\n",
        idle.size(), latency[latency.size() / 2], latency.back(), delivered);
}

BENCHMARK(BM_WindowMessageSend)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawSocketRoundTrip)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the median stands for the run.
        for (const Run &run : runs) {
            if (run.iterations <= 0)
                continue;
            if (run.run_type == Run::RT_Iteration && !perIteration.count(run.run_name.str()))
                perIteration[run.run_name.str()] = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                perIteration[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> perIteration;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--peer") == 0)
        return RunPeer();
    if (argc > 2 && std::strcmp(argv[1], "--raw") == 0)
        return RunRawListener(argv[2]);

    char pattern[] = "/tmp/kavoipc-bench-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    g_root = pattern;
    signal(SIGPIPE, SIG_IGN);

    benchmark::Initialize(&argc, argv);
    for (int k : kPeerCounts)
        Peers(k);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int k : kPeerCounts) {
        const std::string suffix = "/" + std::to_string(k);
        const double send = reporter.perIteration["BM_WindowMessageSend" + suffix];
        const double raw = reporter.perIteration["BM_RawSocketRoundTrip" + suffix];
        if (send > 0 && raw > 0)
            std::printf(
                "K=%-2d Send %.1f us, raw %.1f us, ratio %.2f (target <= 1.50)\n", k, send, raw, send / raw);
    }
    PrintInterleavedRatios({ std::begin(kPeerCounts), std::end(kPeerCounts) }, "");
    PrintIdleConnectionLatency();
    kvtl::RefCountedPtr<NullCallback> own(new NullCallback);
    Peers(1).sender->RegisterCallback(std::string("Device/"), own.get(), true);
    PrintInterleavedRatios({ 1 }, ", the sender listening too (information)");
    StopChildren();
    std::error_code ignored;
    std::filesystem::remove_all(g_root, ignored);
    benchmark::Shutdown();
    return 0;
}
