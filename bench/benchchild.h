#pragma once

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// Another copy of this benchmark, started as a peer. Its stdin is a pipe
// from us, so that closing it ends a peer that waits on stdin.
struct BenchChild
{
    pid_t pid;
    int stdinFd;
};

// Starts this program again with arguments. With waitReady, returns once the
// child has written its six bytes "ready\n" to stdout.
inline BenchChild SpawnSelf(const std::vector<std::string> &arguments, bool waitReady)
{
    static const std::string self = [] {
        char path[4096];
        const ssize_t size = readlink("/proc/self/exe", path, sizeof path - 1);
        return size > 0 ? std::string(path, static_cast<size_t>(size)) : std::string();
    }();
    int toChild[2];
    int fromChild[2];
    if (self.empty() || pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        std::vector<char *> argv { const_cast<char *>(self.c_str()) };
        for (const auto &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        execv(self.c_str(), argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    if (waitReady) {
        char ready[6];
        size_t got = 0;
        while (got < sizeof ready) {
            const ssize_t n = read(fromChild[0], ready + got, sizeof ready - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                std::abort();
            got += static_cast<size_t>(n);
        }
    }
    close(fromChild[0]);
    return { pid, toChild[1] };
}

inline void FinishChild(const BenchChild &child)
{
    close(child.stdinFd);
    kill(child.pid, SIGTERM);
    waitpid(child.pid, nullptr, 0);
}
