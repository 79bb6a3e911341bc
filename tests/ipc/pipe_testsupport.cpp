#include "tests/ipc/pipe_testsupport.h"

#include <chrono>
#include <thread>

#include <unistd.h>

void PipeRecorder::OnMessage(const std::string &sender, const std::string &topic, unsigned length,
                             const void *data)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_messages.push_back({sender, topic,
                              data ? std::string(static_cast<const char *>(data), length) : std::string(),
                              data == nullptr});
    }
    m_changed.notify_all();
}

bool PipeRecorder::WaitFor(size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_messages.size() >= count; });
}

std::vector<PipeRecorder::Message> PipeRecorder::Messages() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages;
}

size_t PipeRecorder::Count() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages.size();
}

bool ChildProcess::ReadLine(std::string &line, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = m_buffered.find('\n');
        if (end != std::string::npos) {
            line = m_buffered.substr(0, end);
            m_buffered.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        char chunk[4096];
        const long got = ReadSome(chunk, sizeof chunk, static_cast<int>(left.count()));
        if (got < 0)
            return false;
        m_buffered.append(chunk, static_cast<size_t>(got));
    }
}

bool ChildProcess::WaitForLine(const std::string &text, int timeoutMs, bool prefix)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadLine(line, static_cast<int>(left.count())))
            return false;
        if (prefix ? line.compare(0, text.size(), text) == 0 : line == text)
            return true;
    }
}

std::string PipePeerProgram()
{
    return KAVO_PIPE_PEER;
}

std::string UniqueBase(const char *label)
{
    static int counter = 0;
    return std::string(label) + '-' + std::to_string(getpid()) + '-' + std::to_string(++counter);
}

bool WaitUntil(const std::function<bool()> &done, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool Carries(kvds::ITransportIPC &from, kvds::ITransportIPC &to, const std::string &text)
{
    std::string got(text.size(), '\0');
    const auto size = static_cast<unsigned>(text.size());
    return from.Write(text.data(), size) && to.Read(got.data(), size) && got == text;
}
