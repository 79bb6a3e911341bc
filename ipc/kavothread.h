#pragma once

#include <atomic>
#include <thread>

// A plain thread: its owner sets the function and parameter, then starts it;
// the destructor waits for it to end.
class KavoThread
{
public:
    using Function = void (*)(void *parameter);

    KavoThread() = default;
    KavoThread(const KavoThread &) = delete;
    KavoThread &operator=(const KavoThread &) = delete;
    virtual ~KavoThread()
    {
        Join();
        if (m_handle.joinable())
            m_handle.detach(); // destroyed on the thread itself
    }

    void SetFunction(Function function, void *parameter)
    {
        m_function = function;
        m_parameter = parameter;
    }
    // False when no thread could be started or one is already held.
    bool Start();
    // Waits without limit; not on the thread itself.
    void Join();
    bool IsStarted() const { return m_handle.joinable(); }
    bool IsCurrentThread() const { return m_id.load() == std::this_thread::get_id(); }

private:
    static void Trampoline(KavoThread *self);

    std::thread m_handle;
    Function m_function = nullptr;
    void *m_parameter = nullptr;
    // Set by the thread itself, which may ask before m_handle is assigned.
    std::atomic<std::thread::id> m_id {};
};
