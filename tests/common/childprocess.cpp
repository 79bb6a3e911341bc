#include "tests/common/childprocess.h"

#include <chrono>

bool ChildProcess::readLine(std::string &line, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto newline = m_pending.find('\n');
        if (newline != std::string::npos) {
            line = m_pending.substr(0, newline);
            m_pending.erase(0, newline + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        char buffer[256];
        const long got = readSome(buffer, sizeof buffer, static_cast<int>(left.count()));
        if (got < 0)
            return false;
        m_pending.append(buffer, static_cast<size_t>(got));
    }
}

bool ChildProcess::waitForLine(const std::string &text, int timeoutMs, bool prefix)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readLine(line, static_cast<int>(left.count())))
            return false;
        if (prefix ? line.compare(0, text.size(), text) == 0 : line == text)
            return true;
    }
}

std::string ChildProcess::readAll()
{
    std::string all = std::move(m_pending);
    m_pending.clear();
    char buffer[4096];
    long got;
    while ((got = readSome(buffer, sizeof buffer, -1)) > 0)
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
