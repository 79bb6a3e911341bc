#include "tests/ipc/pipe_testsupport.h"

#include <chrono>
#include <thread>

#include <unistd.h>

void PipeRecorder::OnMessage(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_messages.push_back({ sender, topic,
            data ? std::string(static_cast<const char *>(data), length) : std::string(), data == nullptr });
    }
    m_changed.notify_all();
}

bool PipeRecorder::WaitFor(size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_changed.wait_for(
        lock, std::chrono::milliseconds(timeoutMs), [&] { return m_messages.size() >= count; });
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
