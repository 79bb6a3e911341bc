#pragma once

#include <csignal>
#include <pthread.h>

// Ctrl+C, kill and a closed terminal end a listening tool. Blocked here, before
// any endpoint thread starts (threads inherit the mask), so that only the
// main thread's waitForStopSignal takes them.
inline sigset_t blockStopSignals()
{
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);
    return stop;
}

inline void waitForStopSignal(const sigset_t &stop)
{
    int signal = 0;
    sigwait(&stop, &signal);
}
