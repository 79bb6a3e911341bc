#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A running kavoipc_peer child, driven line by line over its stdin/stdout.
class PeerProcess
{
public:
    PeerProcess() = default;
    PeerProcess(const PeerProcess &) = delete;
    PeerProcess &operator=(const PeerProcess &) = delete;
    ~PeerProcess();

    // Starts the program and waits for its first line; false on failure.
    bool Start(const std::string &program, const std::vector<std::string> &arguments);
    // Sends one command and returns the answer line (empty on failure).
    std::string Command(const std::string &line);
    std::string ReadLine(int timeoutMs = 30000);
    void Signal(int signal);
    // Stops the child and returns once every thread of it has stopped.
    bool Stop();
    // Waits for the child to end; its exit status, or -1.
    int Wait();

    pid_t Pid() const { return m_pid; }
    const std::string &FirstLine() const { return m_firstLine; }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    std::string m_pending;
    std::string m_firstLine;
};

std::vector<std::string> SplitWords(const std::string &line);
