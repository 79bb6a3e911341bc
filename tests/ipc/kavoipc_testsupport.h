#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedimpl.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A callback that records every message, and may act on it.
class RecordingCallback : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    struct Message
    {
        std::string sender;
        std::string topic;
        std::string payload;
        bool dataNull;
        std::thread::id thread;
    };

    explicit RecordingCallback(
        std::string label = {}, std::vector<std::string> *order = nullptr, std::mutex *orderLock = nullptr)
        : m_label(std::move(label))
        , m_order(order)
        , m_orderLock(orderLock)
    {
    }

    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_messages.push_back(
                { sender, topic, data ? std::string(static_cast<const char *>(data), length) : std::string(),
                    data == nullptr, std::this_thread::get_id() });
        }
        if (m_order) {
            std::lock_guard<std::mutex> lock(*m_orderLock);
            m_order->push_back(m_label);
        }
        if (m_action)
            m_action(topic);
        m_changed.notify_all();
    }

    void SetAction(std::function<void(const std::string &)> action) { m_action = std::move(action); }

    std::vector<Message> Messages() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_messages;
    }
    size_t Count() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_messages.size();
    }

private:
    std::string m_label;
    std::vector<std::string> *m_order;
    std::mutex *m_orderLock;
    std::function<void(const std::string &)> m_action;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<Message> m_messages;
};

// One request written on the wire by hand: the answer, or -1 when the
// receiver closed without answering.
struct RawRequest
{
    uint32_t message = 0x004A;
    uint32_t tag = 0x4B495043;
    uint32_t size = 0; // taken from data when sizeFromData
    bool sizeFromData = true;
    std::string senderWindow;
    std::string data;
    size_t cutAfter = SIZE_MAX; // bytes of the whole request actually written
};
int SendRawRequest(const std::string &socketPath, const RawRequest &request);
// A stream socket connected to a window's socket file, or -1.
int ConnectTo(const std::string &socketPath);

// The 528 + N byte message body.
std::string BuildMessage(const std::string &sender, const std::string &topic, const std::string &payload);

std::string WindowDirectory();
bool FileExists(const std::string &path);

// Gives each test a fresh XDG_RUNTIME_DIR of its own inside the one the
// test main prepared, so that leftovers of one test never meet another.
class FreshRuntimeDirTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::string m_saved;
};
