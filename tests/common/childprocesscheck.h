#pragma once

#include <gtest/gtest.h>

#include <set>
#include <sys/types.h>

// Fails a test that leaves one of the test program's own child processes
// running (a QProcess not waited for, a peer not stopped), and ends them so
// that the next test starts clean. A detached process, such as the wizard,
// has no parent here and is not counted.
class ChildProcessCheck : public ::testing::EmptyTestEventListener
{
public:
    void OnTestStart(const ::testing::TestInfo &) override;
    void OnTestEnd(const ::testing::TestInfo &) override;

    // The direct children of this process that still run (zombies excluded).
    static std::set<pid_t> runningChildren();

private:
    std::set<pid_t> m_before;
};
