#include "tests/common/childprocess.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

struct ChildProcess::Native
{
    pid_t pid = -1;
    int in = -1;
    int out = -1;
};

ChildProcess::ChildProcess()
    : m_native(new Native)
{
}

ChildProcess::~ChildProcess()
{
    if (m_native->pid > 0) {
        kill(SIGKILL);
        wait();
    }
    if (m_native->in >= 0)
        close(m_native->in);
    if (m_native->out >= 0)
        close(m_native->out);
}

pid_t ChildProcess::pid() const
{
    return m_native->pid;
}

bool ChildProcess::start(const std::vector<std::string> &args, bool withErrors)
{
    if (args.empty() || m_native->pid > 0)
        return false;
    signal(SIGPIPE, SIG_IGN); // a child that died must fail writeLine, not end the test
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
    if (withErrors)
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDERR_FILENO);
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const int result = posix_spawn(&m_native->pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    m_native->in = toChild[1];
    m_native->out = fromChild[0];
    if (result != 0)
        m_native->pid = -1;
    return result == 0;
}

long ChildProcess::readSome(char *buffer, size_t size, int timeoutMs)
{
    if (m_native->out < 0)
        return -1;
    pollfd ready { m_native->out, POLLIN, 0 };
    int polled;
    do {
        polled = poll(&ready, 1, timeoutMs);
    } while (polled < 0 && errno == EINTR);
    if (polled == 0)
        return 0;
    ssize_t got;
    do {
        got = read(m_native->out, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got <= 0 ? -1 : static_cast<long>(got);
}

bool ChildProcess::writeLine(const std::string &line)
{
    const std::string text = line + '\n';
    return m_native->in >= 0
        && write(m_native->in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void ChildProcess::kill(int signal)
{
    if (m_native->pid > 0)
        ::kill(m_native->pid, signal);
}

int ChildProcess::wait()
{
    if (m_native->pid <= 0)
        return -1;
    int status = 0;
    pid_t done;
    do {
        done = waitpid(m_native->pid, &status, 0);
    } while (done < 0 && errno == EINTR);
    m_native->pid = -1;
    if (done < 0)
        return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}
