#include "tests/common/childprocess.h"
#include "tests/common/childprocesscheck.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <csignal>

#include <spawn.h>
#include <unistd.h>

extern char **environ;

// The test main's check, run by hand around a child left running and one
// that was waited for.
TEST(ChildProcessCheck, FailsATestThatLeavesAChildRunningAndEndsIt)
{
    ChildProcessCheck check;
    const ::testing::TestInfo &info = *::testing::UnitTest::GetInstance()->current_test_info();
    check.OnTestStart(info);
    ChildProcess waited;
    ASSERT_TRUE(waited.start({ "/bin/sh", "-c", "exit 3" }));
    EXPECT_EQ(waited.wait(), 3);
    check.OnTestEnd(info); // nothing left: no failure

    check.OnTestStart(info);
    pid_t left = -1;
    char sh[] = "/bin/sh", dashC[] = "-c", script[] = "exec sleep 60";
    char *argv[] = { sh, dashC, script, nullptr };
    ASSERT_EQ(posix_spawn(&left, sh, nullptr, nullptr, argv, environ), 0);
    EXPECT_TRUE(ChildProcessCheck::runningChildren().count(left));
    EXPECT_NONFATAL_FAILURE(check.OnTestEnd(info), "left its child process");
    EXPECT_FALSE(ChildProcessCheck::runningChildren().count(left));
    EXPECT_NE(kill(left, 0), 0) << "ended and reaped";
}

TEST(ChildProcess, WaitAnswersTheExitCodeOrTheSignal)
{
    struct Case
    {
        const char *script;
        int signal; // sent once the child says it is ready; 0: none
        int expected;
    };
    for (const Case &c : std::initializer_list<Case> {
             { "echo ready; exit 0", 0, 0 },
             { "echo ready; exit 7", 0, 7 },
             { "echo ready; exec sleep 60", SIGKILL, 128 + SIGKILL },
             { "echo ready; exec sleep 60", SIGTERM, 128 + SIGTERM },
         }) {
        ChildProcess child;
        ASSERT_TRUE(child.start({ "/bin/sh", "-c", c.script }));
        ASSERT_TRUE(child.waitForLine("ready"));
        if (c.signal)
            child.kill(c.signal);
        EXPECT_EQ(child.wait(), c.expected) << c.script;
        EXPECT_EQ(child.wait(), -1) << "no process after the first wait";
    }
    std::string out;
    EXPECT_EQ(ChildProcess::run({ "/bin/sh", "-c", "echo out; echo err >&2; exit 2" }, &out, true), 2);
    EXPECT_EQ(out, "out\nerr\n");
}
