#include "tests/ipc/pipe_testsupport.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

void PipeRecorder::OnMessage(const std::string &sender, const std::string &topic, unsigned length,
                             const void *data)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_messages.push_back({sender, topic,
                              data ? std::string(static_cast<const char *>(data), length) : std::string(),
                              data == nullptr});
    }
    m_changed.notify_all();
}

bool PipeRecorder::WaitFor(size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_messages.size() >= count; });
}

std::vector<PipeRecorder::Message> PipeRecorder::Messages() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages;
}

size_t PipeRecorder::Count() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages.size();
}

void PipeTest::SetUp()
{
    const char *current = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(current, nullptr);
    m_saved = current;
    std::string pattern = m_saved + "/tXXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    setenv("XDG_RUNTIME_DIR", m_dir.c_str(), 1);
}

void PipeTest::TearDown()
{
    setenv("XDG_RUNTIME_DIR", m_saved.c_str(), 1);
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        Kill(SIGKILL);
        Wait();
    }
    if (m_in >= 0)
        close(m_in);
    if (m_out >= 0)
        close(m_out);
}

bool ChildProcess::Start(const std::vector<std::string> &argv)
{
    signal(SIGPIPE, SIG_IGN); // a child that died must fail WriteLine, not end the test
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0)
        return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    const int result = posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    m_in = toChild[1];
    m_out = fromChild[0];
    if (result != 0)
        m_pid = -1;
    return result == 0;
}

bool ChildProcess::ReadLine(std::string &line, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = m_buffered.find('\n');
        if (end != std::string::npos) {
            line = m_buffered.substr(0, end);
            m_buffered.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || m_out < 0)
            return false;
        pollfd ready{m_out, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        const ssize_t got = read(m_out, chunk, sizeof chunk);
        if (got <= 0)
            return false;
        m_buffered.append(chunk, static_cast<size_t>(got));
    }
}

bool ChildProcess::WaitForLine(const std::string &text, int timeoutMs, bool prefix)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadLine(line, static_cast<int>(left.count())))
            return false;
        if (prefix ? line.compare(0, text.size(), text) == 0 : line == text)
            return true;
    }
}

bool ChildProcess::WriteLine(const std::string &line)
{
    const std::string text = line + '\n';
    return m_in >= 0 && write(m_in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void ChildProcess::Kill(int signal)
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

int ChildProcess::Wait()
{
    if (m_pid <= 0)
        return -1;
    int status = 0;
    pid_t done;
    do {
        done = waitpid(m_pid, &status, 0);
    } while (done < 0 && errno == EINTR);
    m_pid = -1;
    return done < 0 ? -1 : status;
}

std::string PipePeerProgram()
{
    return KAVO_PIPE_PEER;
}

std::string UniqueBase(const char *label)
{
    static int counter = 0;
    return std::string(label) + '-' + std::to_string(getpid()) + '-' + std::to_string(++counter);
}
