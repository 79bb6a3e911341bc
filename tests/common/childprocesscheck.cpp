#include "tests/common/childprocesscheck.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string commandLine(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (char &c : text) {
        if (c == '\0')
            c = ' ';
    }
    return text;
}

} // namespace

std::set<pid_t> ChildProcessCheck::runningChildren()
{
    std::set<pid_t> children;
    const pid_t self = getpid();
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        // "pid (command) state ppid ...": the command may hold anything.
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        long parent = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %c %ld", &state, &parent) == 2 && parent == self
            && state != 'Z' && state != 'X')
            children.insert(static_cast<pid_t>(std::stol(name)));
    }
    return children;
}

void ChildProcessCheck::OnTestStart(const ::testing::TestInfo &)
{
    m_before = runningChildren();
}

void ChildProcessCheck::OnTestEnd(const ::testing::TestInfo &)
{
    // One that was told to end a moment ago may still be on its way out.
    std::set<pid_t> left;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    do {
        left.clear();
        for (pid_t pid : runningChildren()) {
            if (!m_before.count(pid))
                left.insert(pid);
        }
        if (left.empty())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    for (pid_t pid : left) {
        ADD_FAILURE() << "the test left its child process " << pid << " running: " << commandLine(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}
