#pragma once

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// A real child process with its standard input and output on pipes; killed
// and reaped when destroyed, so a failing test leaves nothing running.
class ChildProcess
{
public:
    ChildProcess();
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // withErrors: standard error goes to the same pipe as standard output.
    bool start(const std::vector<std::string> &args, bool withErrors = false);
    pid_t pid() const;
    // The next line of output without its newline; false at the end of the
    // output or after timeoutMs.
    bool readLine(std::string &line, int timeoutMs = 30000);
    // Reads lines until one equals (or starts with) text.
    bool waitForLine(const std::string &text, int timeoutMs = 30000, bool prefix = false);
    // All output up to its end.
    std::string readAll();
    bool writeLine(const std::string &line);
    // A signal's number; on Windows any number ends the process at once.
    void kill(int signal);
    // Waits for the end: the exit code, or 128 + the signal that ended it
    // (Windows: the exit code); -1 with no process or no status to be had.
    int wait();

    // Runs to the end and returns what wait() does, with the output in out.
    static int run(const std::vector<std::string> &args, std::string *out = nullptr, bool withErrors = false);

private:
    // The process and its two pipe ends: descriptors, or handles.
    struct Native;
    // Output that came within timeoutMs (< 0: no limit): its size, 0 after
    // the time, -1 at its end.
    long readSome(char *buffer, size_t size, int timeoutMs);

    std::unique_ptr<Native> m_native;
    std::string m_pending;
};
