#include "tests/ipc/pipe_testsupport.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

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

struct ChildProcess::Native
{
    pid_t pid = -1;
    int in = -1;
    int out = -1;
};

ChildProcess::ChildProcess() : m_native(new Native) {}

ChildProcess::~ChildProcess()
{
    if (m_native->pid > 0) {
        Kill(SIGKILL);
        Wait();
    }
    if (m_native->in >= 0)
        close(m_native->in);
    if (m_native->out >= 0)
        close(m_native->out);
}

pid_t ChildProcess::Pid() const
{
    return m_native->pid;
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
    const int result = posix_spawn(&m_native->pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    m_native->in = toChild[1];
    m_native->out = fromChild[0];
    if (result != 0)
        m_native->pid = -1;
    return result == 0;
}

long ChildProcess::ReadSome(char *buffer, size_t size, int timeoutMs)
{
    if (m_native->out < 0)
        return -1;
    pollfd ready{m_native->out, POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) <= 0)
        return 0;
    const ssize_t got = read(m_native->out, buffer, size);
    return got <= 0 ? -1 : static_cast<long>(got);
}

bool ChildProcess::WriteLine(const std::string &line)
{
    const std::string text = line + '\n';
    return m_native->in >= 0
        && write(m_native->in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void ChildProcess::Kill(int signal)
{
    if (m_native->pid > 0)
        kill(m_native->pid, signal);
}

int ChildProcess::Wait()
{
    if (m_native->pid <= 0)
        return -1;
    int status = 0;
    pid_t done;
    do {
        done = waitpid(m_native->pid, &status, 0);
    } while (done < 0 && errno == EINTR);
    m_native->pid = -1;
    return done < 0 ? -1 : status;
}
