#pragma once

#include "ipc/cpipetransport.h"
#include "ipc/ikavoipc.h"
#include "ipc/refcountedimpl.h"
#include "tests/common/childprocess.h"

#include <gtest/gtest.h>

#include <sys/types.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Records what an endpoint delivers, from whichever thread it comes. Held
// by reference, so an endpoint that outlives the test body keeps it alive.
class PipeRecorder : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    struct Message
    {
        std::string sender;
        std::string topic;
        std::string payload;
        bool dataNull;
    };

    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;
    // Waits (bounded, so a fault fails instead of hanging) for count messages.
    bool WaitFor(size_t count, int timeoutMs = 10000) const;
    std::vector<Message> Messages() const;
    size_t Count() const;

private:
    mutable std::mutex m_lock;
    mutable std::condition_variable m_changed;
    std::vector<Message> m_messages;
};

// Each test gets an XDG_RUNTIME_DIR of its own below the one the test main
// prepared, so sockets left by one test never meet another.
class PipeTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    std::string RuntimeDir() const { return m_dir; }

private:
    std::string m_saved;
    std::string m_dir;
};

std::string PipePeerProgram();
std::string UniqueBase(const char *label);
// Polls, so a fault fails the test instead of hanging it.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 10000);
// text written as one message on from and read whole on to.
bool Carries(kvds::ITransportIPC &from, kvds::ITransportIPC &to, const std::string &text);

// A server and its client on a pipe of their own; ok once both connected.
struct TransportPair
{
    explicit TransportPair(const char *label)
        : base(UniqueBase(label))
        , server(base, true, nullptr)
        , client(base, false, nullptr)
    {
        ok = server.Connect() && client.Connect();
    }
    const std::string base;
    kvds::CPipeTransport server;
    kvds::CPipeTransport client;
    bool ok = false;
};
