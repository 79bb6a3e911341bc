#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A real child process with its standard output on a pipe; killed and reaped
// when destroyed, so a failing test leaves nothing running.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // withErrors: standard error goes to the same pipe as standard output.
    bool start(const std::vector<std::string> &args, bool withErrors = false);
    // One line of output without its newline; false at end of output.
    bool readLine(std::string &line);
    std::string readAll();
    // The exit code, or 128 + signal (Windows: the exit code); -1 when it
    // cannot be had.
    int wait();
    // A signal's number; on Windows any number ends the process at once.
    void kill(int signal);

    // Runs to the end and returns the exit code, with the output in out.
    static int run(const std::vector<std::string> &args, std::string *out = nullptr, bool withErrors = false);

private:
    pid_t m_pid = -1;
    int m_out = -1;
#ifdef _WIN32
    void *m_process = nullptr;
#endif
    std::string m_pending;
};
