#include "tests/ipc/kavoipc_peerprocess.h"

#include <cerrno>
#include <csignal>
#include <sstream>

#include <sys/wait.h>

bool PeerProcess::Start(const std::string &program, const std::vector<std::string> &arguments)
{
    std::vector<std::string> args { program };
    args.insert(args.end(), arguments.begin(), arguments.end());
    if (!m_child.start(args))
        return false;
    m_firstLine = ReadLine();
    return !m_firstLine.empty();
}

std::string PeerProcess::ReadLine(int timeoutMs)
{
    std::string line;
    return m_child.readLine(line, timeoutMs) ? line : std::string();
}

std::string PeerProcess::Command(const std::string &line)
{
    return m_child.writeLine(line) ? ReadLine() : std::string();
}

bool PeerProcess::Stop()
{
    const pid_t pid = m_child.pid();
    if (pid <= 0 || kill(pid, SIGSTOP) != 0)
        return false;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(pid, &status, WUNTRACED);
    } while (r < 0 && errno == EINTR);
    return r == pid && WIFSTOPPED(status);
}

std::vector<std::string> SplitWords(const std::string &line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}
