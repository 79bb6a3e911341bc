#pragma once

#include "tests/common/childprocess.h"

#include <string>
#include <sys/types.h>
#include <vector>

// A running kavoipc_peer child, driven line by line over its stdin/stdout.
class PeerProcess
{
public:
    // Starts the program and waits for its first line; false on failure.
    bool Start(const std::string &program, const std::vector<std::string> &arguments);
    // Sends one command and returns the answer line (empty on failure).
    std::string Command(const std::string &line);
    std::string ReadLine(int timeoutMs = 30000);
    void Signal(int signal) { m_child.kill(signal); }
    // Stops the child and returns once every thread of it has stopped.
    bool Stop();
    // As ChildProcess::wait.
    int Wait() { return m_child.wait(); }

    pid_t Pid() const { return m_child.pid(); }
    const std::string &FirstLine() const { return m_firstLine; }

private:
    ChildProcess m_child;
    std::string m_firstLine;
};

std::vector<std::string> SplitWords(const std::string &line);
