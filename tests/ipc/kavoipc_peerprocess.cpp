#include "tests/ipc/kavoipc_peerprocess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

PeerProcess::~PeerProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        Wait();
    }
    if (m_in >= 0)
        close(m_in);
    if (m_out >= 0)
        close(m_out);
}

bool PeerProcess::Start(const std::string &program, const std::vector<std::string> &arguments)
{
    signal(SIGPIPE, SIG_IGN);
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0)
        return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0)
        return false;
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const auto &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    m_pid = fork();
    if (m_pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    m_in = toChild[1];
    m_out = fromChild[0];
    if (m_pid < 0)
        return false;
    m_firstLine = ReadLine();
    return !m_firstLine.empty();
}

std::string PeerProcess::ReadLine(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = m_pending.find('\n');
        if (end != std::string::npos) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return {};
        pollfd fd{m_out, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = read(m_out, buffer, sizeof(buffer));
        if (n <= 0)
            return {};
        m_pending.append(buffer, static_cast<size_t>(n));
    }
}

std::string PeerProcess::Command(const std::string &line)
{
    const std::string text = line + '\n';
    if (write(m_in, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        return {};
    return ReadLine();
}

void PeerProcess::Signal(int signal)
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

bool PeerProcess::Stop()
{
    if (m_pid <= 0 || kill(m_pid, SIGSTOP) != 0)
        return false;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(m_pid, &status, WUNTRACED);
    } while (r < 0 && errno == EINTR);
    return r == m_pid && WIFSTOPPED(status);
}

int PeerProcess::Wait()
{
    if (m_pid <= 0)
        return -1;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(m_pid, &status, 0);
    } while (r < 0 && errno == EINTR);
    m_pid = -1;
    return r > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> SplitWords(const std::string &line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}
