#include "tests/settings/childprocess.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

ChildProcess::~ChildProcess()
{
    if (m_process) {
        kill(9);
        wait();
    }
    if (m_out >= 0)
        ::_close(m_out);
}

bool ChildProcess::start(const std::vector<std::string> &args, bool withErrors)
{
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (args.empty() || !CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::string commandLine;
    for (const std::string &arg : args)
        commandLine += (commandLine.empty() ? "\"" : " \"") + arg + '"';
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = withErrors ? writeEnd : GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process {};
    const bool started = CreateProcessA(
        nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_pid = static_cast<pid_t>(process.dwProcessId);
    m_out = _open_osfhandle(reinterpret_cast<intptr_t>(readEnd), _O_RDONLY | _O_BINARY);
    return m_out >= 0;
}

int ChildProcess::wait()
{
    if (!m_process)
        return -1;
    WaitForSingleObject(m_process, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(m_process, &code) != FALSE;
    CloseHandle(m_process);
    m_process = nullptr;
    m_pid = -1;
    return known ? static_cast<int>(code) : -1;
}

// Any signal ends the process at once.
void ChildProcess::kill(int)
{
    if (m_process)
        TerminateProcess(m_process, 1);
}

#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        wait();
    }
    if (m_out >= 0)
        ::close(m_out);
}

bool ChildProcess::start(const std::vector<std::string> &args, bool withErrors)
{
    int fds[2];
    if (args.empty() || ::pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (withErrors)
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const int rc = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        m_pid = -1;
        ::close(fds[0]);
        return false;
    }
    m_out = fds[0];
    return true;
}

int ChildProcess::wait()
{
    if (m_pid <= 0)
        return -1;
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(m_pid, &status, 0);
    } while (got < 0 && errno == EINTR);
    m_pid = -1;
    if (got < 0)
        return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

void ChildProcess::kill(int signal)
{
    if (m_pid > 0)
        ::kill(m_pid, signal);
}
#endif

namespace {

long readSome(int fd, char *buffer, unsigned size)
{
#ifdef _WIN32
    return ::_read(fd, buffer, size);
#else
    return ::read(fd, buffer, size);
#endif
}

} // namespace

bool ChildProcess::readLine(std::string &line)
{
    while (true) {
        const auto newline = m_pending.find('\n');
        if (newline != std::string::npos) {
            line = m_pending.substr(0, newline);
            m_pending.erase(0, newline + 1);
            return true;
        }
        char buffer[256];
        const long got = m_out >= 0 ? readSome(m_out, buffer, sizeof buffer) : 0;
        if (got <= 0)
            return false;
        m_pending.append(buffer, static_cast<size_t>(got));
    }
}

std::string ChildProcess::readAll()
{
    std::string all = std::move(m_pending);
    m_pending.clear();
    char buffer[4096];
    long got;
    while (m_out >= 0 && (got = readSome(m_out, buffer, sizeof buffer)) > 0)
        all.append(buffer, static_cast<size_t>(got));
    return all;
}

int ChildProcess::run(const std::vector<std::string> &args, std::string *out, bool withErrors)
{
    ChildProcess child;
    if (!child.start(args, withErrors))
        return -1;
    const std::string all = child.readAll();
    if (out)
        *out = all;
    return child.wait();
}
