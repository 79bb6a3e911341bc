// One request/response round trip through two pipe endpoints in different
// processes, against a raw SOCK_SEQPACKET one-message round trip, in the
// same run, the two taking turns. Requests are spaced more than the reader's 10 ms pause apart, so
// that both readers are blocked in their reads when a message comes and the
// figure measures the transport, not that pause. A third turn sends the
// endpoints' own frames between bare sockets: endpoints against that is the
// figure that measures our code. Target: at most 1.2. The raw one-message
// figure is printed for information.
// Also: the CPU a server endpoint costs while no client has come (its
// reader polls every 10 ms).
#include "bench/benchchild.h"
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto Spacing = std::chrono::milliseconds(15);
constexpr int Iterations = 400;
const char Base[] = "PipeBench";

std::vector<double> g_pipeTimes;
std::vector<double> g_rawTimes;
std::vector<double> g_frameTimes;

class Echo : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    explicit Echo(kvds::IKavoIPC *endpoint)
        : m_endpoint(endpoint)
    {
    }
    void OnMessage(const std::string &, const std::string &topic, unsigned length, const void *data) override
    {
        if (topic == "IPCPipeError")
            _exit(0);
        int delivered = 0;
        const char state = 1;
        (void)length;
        (void)data;
        m_endpoint->Send(std::string("KavoMediaServer"), "Reply" + topic, 1, &state, &delivered);
    }

private:
    kvds::IKavoIPC *m_endpoint;
};

// Notes when each reply reached its callback on the reader thread: that ends
// the round trip; waking the benchmark's own thread afterwards does not count.
class Replies : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override
    {
        const auto now = std::chrono::steady_clock::now();
        {
            std::lock_guard<std::mutex> lock(m_lock);
            ++m_count;
            m_arrival = now;
        }
        m_changed.notify_one();
    }
    std::chrono::steady_clock::time_point WaitPast(unsigned count)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait(lock, [&] { return m_count > count; });
        return m_arrival;
    }
    unsigned Count()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_count;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    unsigned m_count = 0;
    std::chrono::steady_clock::time_point m_arrival;
};

// Child: the client endpoint answering every request.
int RunEchoPeer()
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
    for (int attempt = 0; attempt < 100 && !kvds::CreateNamedPipeIPC(Base, false, nullptr, &endpoint);
         ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!endpoint)
        return 1;
    kvtl::RefCountedPtr<Echo> echo(new Echo(endpoint.get()));
    endpoint->RegisterCallback(std::string("Echo"), echo.get(), false);
    char c;
    while (read(STDIN_FILENO, &c, 1) > 0) { }
    return 0;
}

// Child: a raw SEQPACKET listener echoing every message on its one connection.
// Listens at path, tells the parent, and takes its one connection.
int AcceptOne(const std::string &path)
{
    const int listenFd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (bind(listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || listen(listenFd, 1) != 0)
        return -1;
    std::puts("ready");
    std::fflush(stdout);
    return accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
}

int RunRawPeer(const std::string &path)
{
    const int fd = AcceptOne(path);
    if (fd < 0)
        return 1;
    char buffer[4096];
    for (;;) {
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return 0;
        send(fd, buffer, 1, MSG_NOSIGNAL);
    }
}

// The fields of a StartedRequest frame and of its answer, as the endpoints
// write them: one message each.
std::string U32(uint32_t value)
{
    return { char(value), char(value >> 8), char(value >> 16), char(value >> 24) };
}
const std::vector<std::string> RequestFields { "Kavo", U32(0), U32(0xFFFFFFFFu), U32(6), "Player", U32(18),
    "EchoStartedRequest" };
const std::vector<std::string> ReplyFields { "Kavo", U32(1), U32(0x12345678u), U32(15), "KavoMediaServer",
    U32(19), "ReplyStartedRequest", "\x01" };

void SendFields(int fd, const std::vector<std::string> &fields)
{
    std::vector<iovec> parts;
    std::vector<mmsghdr> headers(fields.size());
    for (const auto &field : fields)
        parts.push_back({ const_cast<char *>(field.data()), field.size() });
    for (size_t i = 0; i < fields.size(); ++i) {
        headers[i].msg_hdr.msg_iov = &parts[i];
        headers[i].msg_hdr.msg_iovlen = 1;
    }
    sendmmsg(fd, headers.data(), static_cast<unsigned>(headers.size()), MSG_NOSIGNAL);
}

bool ReceiveFields(int fd, size_t count)
{
    char buffer[64];
    for (size_t i = 0; i < count; ++i) {
        if (recv(fd, buffer, sizeof buffer, 0) <= 0)
            return false;
    }
    return true;
}

// Child: the wire format alone. A reader thread takes each request field by
// field and answers with a frame, as the echo endpoint does, without any of
// the endpoint's code.
int RunFramePeer(const std::string &path)
{
    const int fd = AcceptOne(path);
    if (fd < 0)
        return 1;
    std::thread reader([fd] {
        while (ReceiveFields(fd, RequestFields.size()))
            SendFields(fd, ReplyFields);
    });
    reader.join();
    return 0;
}

int ConnectTo(const std::string &path)
{
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The round trips take turns, so that each sees the same machine: timer
// slack, frequency and the other vCPU's load change over a run. The third
// sends the endpoints' frames, one message per field, between bare sockets
// with the same threads: what the wire format costs before any of our code.
void BM_RoundTrips(benchmark::State &state)
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> player;
    if (!kvds::CreateNamedPipeIPC(Base, true, nullptr, &player)) {
        state.SkipWithError("cannot create the server endpoint");
        return;
    }
    kvtl::RefCountedPtr<Replies> replies(new Replies);
    player->RegisterCallback(std::string("Reply"), replies.get(), false);
    const BenchChild echoPeer = SpawnSelf({ "--echo-peer" }, false);
    int delivered = 0;
    // Until the client has come, writes fail (the pipe is still listening).
    while (!player->Send(std::string("Player"), std::string("EchoWarmUp"), 0, nullptr, &delivered))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    replies->WaitPast(0);

    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    const BenchChild rawPeer = SpawnSelf({ "--raw-peer", runtime + "/raw-bench" }, true);
    const int rawFd = ConnectTo(runtime + "/raw-bench");
    const BenchChild framePeer = SpawnSelf({ "--frame-peer", runtime + "/frame-bench" }, true);
    const int frameFd = ConnectTo(runtime + "/frame-bench");
    auto finishAll = [&] {
        for (int fd : { frameFd, rawFd }) {
            if (fd >= 0)
                close(fd);
        }
        FinishChild(framePeer);
        FinishChild(rawPeer);
        unlink((runtime + "/raw-bench").c_str());
        unlink((runtime + "/frame-bench").c_str());
        player.reset();
        FinishChild(echoPeer);
    };
    if (rawFd < 0 || frameFd < 0) {
        state.SkipWithError("cannot connect to the raw peers");
        finishAll();
        return;
    }
    // About the size of a StartedRequest frame.
    const std::string request(4 * 5 + 6 + 47, 'r');
    char answer[16];
    // Answers to the wire-format frames come to a thread of their own, as
    // they do to the endpoint's reader.
    kvtl::RefCountedPtr<Replies> frameReplies(new Replies);
    std::thread frameReader([&] {
        while (ReceiveFields(frameFd, ReplyFields.size()))
            frameReplies->OnMessage(std::string(), std::string(), 0, nullptr);
    });

    for (auto _ : state) {
        std::this_thread::sleep_for(Spacing);
        unsigned before = replies->Count();
        auto start = std::chrono::steady_clock::now();
        player->Send(std::string("Player"), std::string("EchoStartedRequest"), 0, nullptr, &delivered);
        const double pipeSeconds = Seconds(replies->WaitPast(before) - start);
        state.SetIterationTime(pipeSeconds);
        g_pipeTimes.push_back(pipeSeconds);

        std::this_thread::sleep_for(Spacing);
        start = std::chrono::steady_clock::now();
        send(rawFd, request.data(), request.size(), MSG_NOSIGNAL);
        recv(rawFd, answer, sizeof answer, 0);
        g_rawTimes.push_back(Seconds(std::chrono::steady_clock::now() - start));

        std::this_thread::sleep_for(Spacing);
        before = frameReplies->Count();
        start = std::chrono::steady_clock::now();
        SendFields(frameFd, RequestFields);
        g_frameTimes.push_back(Seconds(frameReplies->WaitPast(before) - start));
    }
    shutdown(frameFd, SHUT_RDWR);
    frameReader.join();
    finishAll();
}

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A server endpoint with no client: its reader finds no peer every 10 ms.
void BM_ListeningServerCpu(benchmark::State &state)
{
    for (auto _ : state) {
        kvtl::RefCountedPtr<kvds::IKavoIPC> player;
        if (!kvds::CreateNamedPipeIPC("PipeBenchIdle", true, nullptr, &player)) {
            state.SkipWithError("cannot create the server endpoint");
            return;
        }
        kvtl::RefCountedPtr<Replies> replies(new Replies);
        player->RegisterCallback(std::string("Reply"), replies.get(), false);
        const double cpuBefore = ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const double wall = Seconds(std::chrono::steady_clock::now() - start);
        state.counters["core_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
    }
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

BENCHMARK(BM_RoundTrips)->UseManualTime()->Iterations(Iterations)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListeningServerCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--echo-peer") == 0)
        return RunEchoPeer();
    if (argc >= 3 && std::strcmp(argv[1], "--raw-peer") == 0)
        return RunRawPeer(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "--frame-peer") == 0)
        return RunFramePeer(argv[2]);

    // Sockets go to a folder of our own, never the user's.
    char pattern[] = "/tmp/kavo-pipe-bench-XXXXXX";
    const char *root = mkdtemp(pattern);
    if (!root)
        return 1;
    setenv("XDG_RUNTIME_DIR", root, 1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double pipe = Median(g_pipeTimes);
    const double raw = Median(g_rawTimes);
    const double frames = Median(g_frameTimes);
    if (pipe > 0 && frames > 0)
        std::printf("round trip, median: endpoints %.1f us, the same frames between bare sockets %.1f us, "
                    "ratio %.2f (target <= 1.2)\n",
            pipe * 1e6, frames * 1e6, pipe / frames);
    if (raw > 0)
        std::printf("for information: raw one-message SEQPACKET %.1f us; endpoints / raw %.2f\n", raw * 1e6,
            pipe / raw);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
