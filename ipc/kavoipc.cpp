#include "ipc/kavoipc.h"

#include <chrono>
#include <cstring>
#include <new>
#include <thread>

namespace {

uint32_t GetLe32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The deliveries under way on this thread, innermost first: a callback may
// send to its own window, which nests a delivery inside its own.
struct Delivery
{
    const KavoIPC *endpoint;
    const char *senderWindow;
    const Delivery *outer;
};
thread_local const Delivery *currentDelivery = nullptr;

class DeliveryScope
{
public:
    DeliveryScope(const KavoIPC *endpoint, const char *senderWindow)
        : m_delivery { endpoint, senderWindow, currentDelivery }
    {
        currentDelivery = &m_delivery;
    }
    ~DeliveryScope() { currentDelivery = m_delivery.outer; }
    DeliveryScope(const DeliveryScope &) = delete;
    DeliveryScope &operator=(const DeliveryScope &) = delete;

private:
    Delivery m_delivery;
};

} // namespace

bool CreateWindowMessageIPC(kvds::IKavoIPC **out)
{
    KavoIPC *endpoint = new (std::nothrow) KavoIPC;
    if (!endpoint)
        return false;
    kvtl::RefCountedPtr_STLSafe<kvds::IKavoIPC> holder(endpoint);
    if (!endpoint->m_windowThread.Start())
        return false;
    // Bounded: a window thread that never reports costs a few seconds, not
    // the caller's thread.
    if (!endpoint->m_windowDone.Wait(KavoIPC::kWindowWaitMs) || !endpoint->m_windowCreated)
        return false;
    if (out) {
        endpoint->AddRef();
        *out = endpoint;
    }
    return true;
}

KavoIPC::KavoIPC()
    : m_window([this](const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size) {
        return OnCopyData(senderWindow, tag, data, size);
    })
{
    m_windowThread.SetFunction(&KavoIPC::WindowThreadRoutine, this);
}

KavoIPC::~KavoIPC()
{
    m_window.PostClose();
    m_windowThread.Join();
    // Members go in reverse order: window, send lock, buffer, table lock, table.
}

void KavoIPC::WindowThreadRoutine(void *parameter)
{
    auto *self = static_cast<KavoIPC *>(parameter);
    self->m_windowCreated = self->m_window.Create();
    const bool created = self->m_windowCreated;
    self->m_windowDone.Set();
    if (created)
        self->m_window.RunMessageLoop();
}

bool KavoIPC::RegisterCallback(const std::string &prefix, kvds::IKavoIPCCallback *cb, bool append)
{
    if (prefix.empty() || !cb)
        return false;
    KavoThreadLock::ScopeLock lock(m_tableLock);
    try {
        auto table = m_callbacks ? std::make_shared<kvds::CallbackTable>(*m_callbacks)
                                 : std::make_shared<kvds::CallbackTable>();
        if (!kvds::AddCallback(*table, prefix, cb, append))
            return false;
        m_callbacks = std::move(table);
        return true;
    } catch (...) {
        return false;
    }
}

bool KavoIPC::Listens(const std::string &topic) const
{
    KavoThreadLock::ScopeLock lock(m_tableLock);
    if (!m_callbacks)
        return false;
    for (const auto &entry : *m_callbacks) {
        if (!entry.second.empty() && topic.compare(0, entry.first.size(), entry.first) == 0)
            return true;
    }
    return false;
}

bool KavoIPC::Send(
    const std::string &sender, const std::string &topic, unsigned length, const void *data, int *delivered)
{
    if (!delivered)
        return false;
    *delivered = 0;
    if (sender.empty() || sender.size() > kMaxNameLength || topic.empty() || topic.size() > kMaxNameLength
        || (length != 0 && !data))
        return false;
    if (length > KavoIPCWindow::kMaxDataSize - kFixedSize)
        return false;

    const bool onWindowThread = m_windowThread.IsCurrentThread();
    if (onWindowThread) {
        // A sender on another thread that holds the send lock may be waiting
        // for this very thread to answer its delivery. A send from here is
        // then nested in that one, as a send from a callback of a direct
        // delivery is, and must not wait for the lock.
        while (!m_sendLock.TryLock()) {
            if (m_window.IsAwaitedBySender()) {
                kvtl::MemoryBuffer<unsigned char> buffer;
                return SendLocked(buffer, sender, topic, length, data, true, delivered);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    } else {
        m_sendLock.Lock();
    }
    kvtl::MemoryBuffer<unsigned char> nestedBuffer;
    kvtl::MemoryBuffer<unsigned char> &buffer = m_sendDepth == 0 ? m_sendBuffer : nestedBuffer;
    ++m_sendDepth;
    const bool sent = SendLocked(buffer, sender, topic, length, data, onWindowThread, delivered);
    --m_sendDepth;
    m_sendLock.Unlock();
    return sent;
}

bool KavoIPC::SendLocked(kvtl::MemoryBuffer<unsigned char> &buffer, const std::string &sender,
    const std::string &topic, unsigned length, const void *data, bool onWindowThread, int *delivered)
{
    const uint32_t size = length + kFixedSize;
    buffer.Resize(size, true);
    unsigned char *message = buffer.Data();
    if (!message)
        return false;
    std::memcpy(message, sender.c_str(), sender.size() + 1);
    std::memcpy(message + kTopicOffset, topic.c_str(), topic.size() + 1);
    for (int i = 0; i < 4; ++i)
        message[kLengthOffset + i] = static_cast<unsigned char>(length >> (8 * i));
    if (length != 0)
        std::memcpy(message + kPayloadOffset, data, length);
    // The own window is passed over when none of its callbacks would be
    // called: that delivery would answer 0 and cost a wake of its thread.
    *delivered = m_window.SendToAll(kCopyDataTag, message, size, onWindowThread, Listens(topic));
    return true;
}

int KavoIPC::OnCopyData(const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size)
{
    // The window thread must survive a message it cannot copy: it answers
    // what it managed.
    try {
        return Dispatch(senderWindow, tag, data, size);
    } catch (...) {
        return 0;
    }
}

int KavoIPC::Dispatch(const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size)
{
    if (!m_window.IsPeer(senderWindow) || tag != kCopyDataTag || !data || size < kFixedSize || data[0] == 0
        || data[kTopicOffset] == 0)
        return 0;
    // Names of 1 to 256 bytes, ended inside their fields; the payload inside the message.
    if (!std::memchr(data, 0, kMaxNameLength + 1) || !std::memchr(data + kTopicOffset, 0, kMaxNameLength + 1))
        return 0;
    const uint32_t length = GetLe32(data + kLengthOffset);
    if (length > size - kPayloadOffset)
        return 0;

    const std::string sender(reinterpret_cast<const char *>(data));
    const std::string topic(reinterpret_cast<const char *>(data + kTopicOffset));
    const void *payload = length != 0 ? data + kPayloadOffset : nullptr;

    std::shared_ptr<const kvds::CallbackTable> table;
    {
        KavoThreadLock::ScopeLock lock(m_tableLock);
        table = m_callbacks;
    }
    if (!table)
        return 0;
    const DeliveryScope delivery(this, senderWindow);
    int called = 0;
    for (const auto &entry : *table) {
        if (topic.compare(0, entry.first.size(), entry.first) != 0)
            continue;
        for (const auto &callback : entry.second) {
            callback->OnMessage(sender, topic, length, payload);
            ++called;
        }
    }
    return called;
}

bool KavoIPC::CurrentSenderProcess(long *processId) const
{
    for (const Delivery *delivery = currentDelivery; delivery; delivery = delivery->outer) {
        if (delivery->endpoint == this)
            return m_window.ProcessOf(delivery->senderWindow, processId);
    }
    return false;
}
