#include "ipc/cpipeprotocol.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/pipecrc32.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

using kvds::CPipeProtocol;
using kvds::PipeCrc32;

namespace {

// A transport in message mode: every write is one message, a read takes the
// next message whole and fails unless it is exactly the size asked for.
class MessageTransport : public kvtl::RefCountedImpl<kvds::ITransportIPC>
{
public:
    MessageTransport() { AddRef(); } // on the stack: never deleted by a Release
    bool Connect() override { return true; }
    bool Disconnect() override { return true; }
    bool IsConnected() override { return true; }
    bool Write(const void *data, unsigned n) override
    {
        if (!data)
            return n == 0;
        if (n == 0 || failWritesAfter == 0)
            return false;
        if (failWritesAfter > 0)
            --failWritesAfter;
        messages.emplace_back(static_cast<const char *>(data), n);
        return true;
    }
    bool Read(void *buffer, unsigned n) override
    {
        readSizes.push_back(n);
        if (messages.empty()) {
            KavoOS::SetLastError(KavoOS::kErrorBrokenPipe);
            return false;
        }
        const std::string message = messages.front();
        messages.pop_front();
        if (message.size() != n) {
            KavoOS::SetLastError(KavoOS::kErrorMoreData);
            return false;
        }
        message.copy(static_cast<char *>(buffer), n);
        return true;
    }
    bool SetCallback(kvds::ITransportIPCCallback *) override { return true; }

    void PushU32(uint32_t value) { messages.push_back(u32(value)); }
    static std::string u32(uint32_t value)
    {
        return std::string { char(value), char(value >> 8), char(value >> 16), char(value >> 24) };
    }
    // A frame written field by field, as a peer would.
    void PushFrame(const std::string &sender, const std::string &topic, const std::string &payload,
        uint32_t magic = CPipeProtocol::Magic, int checkDelta = 0)
    {
        PushU32(magic);
        PushU32(static_cast<uint32_t>(payload.size()));
        PushU32(PipeCrc32(payload.data(), static_cast<unsigned>(payload.size()), 0xFFFFFFFFu) + checkDelta);
        PushU32(static_cast<uint32_t>(sender.size()));
        messages.push_back(sender);
        PushU32(static_cast<uint32_t>(topic.size()));
        messages.push_back(topic);
        if (!payload.empty())
            messages.push_back(payload);
    }

    std::deque<std::string> messages;
    std::vector<unsigned> readSizes;
    int failWritesAfter = -1;
};

struct Read
{
    bool ok;
    std::string sender;
    std::string topic;
    unsigned length;
    const char *data;
};

Read readOne(CPipeProtocol &protocol, std::string sender = "old-sender", std::string topic = "old-topic")
{
    unsigned length = 99;
    const char *data = "not null";
    const bool ok = protocol.ReadMessage(sender, topic, length, data);
    return { ok, sender, topic, length, data };
}

std::string joined(const std::deque<std::string> &messages)
{
    std::string all;
    for (const std::string &message : messages)
        all += message;
    return all;
}

} // namespace

TEST(PipeCrc32, KnownValues)
{
    EXPECT_EQ(PipeCrc32("abc", 3, 0xFFFFFFFFu), 0xCADBBE3Du);
    EXPECT_EQ(PipeCrc32(nullptr, 0, 0xFFFFFFFFu), 0xFFFFFFFFu);
    // The complement of the common CRC-32 ("123456789" -> 0xCBF43926).
    EXPECT_EQ(~PipeCrc32("123456789", 9, 0xFFFFFFFFu), 0xCBF43926u);
    // Chained calls give the value of the whole.
    EXPECT_EQ(PipeCrc32("c", 1, PipeCrc32("ab", 2, 0xFFFFFFFFu)), 0xCADBBE3Du);
}

TEST(PipeProtocol, TwentySevenByteFrameOneWritePerField)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    ASSERT_TRUE(protocol.WriteMessage("Player", "X", 0, nullptr));
    const std::string expected("\x4B\x61\x76\x6F\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x06\x00\x00\x00"
                               "Player\x01\x00\x00\x00X",
        27);
    EXPECT_EQ(joined(transport.messages), expected);
    // magic, length, check, sender length, sender, topic length, topic; no payload write.
    ASSERT_EQ(transport.messages.size(), 7u);
    EXPECT_EQ(transport.messages[4], "Player");
    EXPECT_EQ(transport.messages[6], "X");
}

TEST(PipeProtocol, PayloadIsOneWriteWithItsCheckValue)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    ASSERT_TRUE(protocol.WriteMessage("S", "T", 3, "abc"));
    ASSERT_EQ(transport.messages.size(), 8u);
    EXPECT_EQ(transport.messages[1], std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(transport.messages[2], std::string("\x3D\xBE\xDB\xCA", 4));
    EXPECT_EQ(transport.messages[7], "abc");
}

TEST(PipeProtocol, WriteStopsAtTheFirstFailedField)
{
    MessageTransport transport;
    transport.failWritesAfter = 3;
    CPipeProtocol protocol(&transport);
    EXPECT_FALSE(protocol.WriteMessage("Player", "X", 0, nullptr));
    EXPECT_EQ(transport.messages.size(), 3u);
    EXPECT_FALSE(protocol.WriteMessage("Player", "X", 3, nullptr));
}

// A transport without a batch write of its own gets one write per buffer,
// and none at all when a buffer is bad.
TEST(PipeTransportBatch, DefaultWritesEachBufferOrNothing)
{
    MessageTransport transport;
    const kvds::ITransportIPC::Buffer bad[] = { { "ab", 2 }, { "c", 0 } };
    EXPECT_FALSE(transport.WriteEach(bad, 2));
    const kvds::ITransportIPC::Buffer alsoBad[] = { { "ab", 2 }, { nullptr, 1 } };
    EXPECT_FALSE(transport.WriteEach(alsoBad, 2));
    EXPECT_TRUE(transport.messages.empty());
    const kvds::ITransportIPC::Buffer good[] = { { "ab", 2 }, { nullptr, 0 }, { "c", 1 } };
    EXPECT_TRUE(transport.WriteEach(good, 3));
    EXPECT_EQ(transport.messages, (std::deque<std::string> { "ab", "c" }));
}

TEST(PipeProtocol, RoundTripThroughMessages)
{
    MessageTransport transport;
    CPipeProtocol writer(&transport);
    CPipeProtocol reader(&transport);
    const std::string payload("with\0zero", 9);
    ASSERT_TRUE(writer.WriteMessage("KavoMediaServer", "DevicePane->KavoMediaServerDialogStartedResponse",
        static_cast<unsigned>(payload.size()), payload.data()));
    const Read got = readOne(reader);
    ASSERT_TRUE(got.ok);
    EXPECT_EQ(got.sender, "KavoMediaServer");
    EXPECT_EQ(got.topic, "DevicePane->KavoMediaServerDialogStartedResponse");
    ASSERT_EQ(got.length, payload.size());
    ASSERT_NE(got.data, nullptr);
    EXPECT_EQ(std::string(got.data, got.length), payload);
    EXPECT_TRUE(transport.messages.empty());
}

TEST(PipeProtocol, EmptyPayloadGivesNullDataAndZeroLength)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    transport.PushFrame("S", "T", "xyz");
    transport.PushFrame("Player", "X", "");
    ASSERT_TRUE(readOne(protocol).ok);
    const Read got = readOne(protocol);
    ASSERT_TRUE(got.ok);
    EXPECT_EQ(got.length, 0u);
    EXPECT_EQ(got.data, nullptr);
}

TEST(PipeProtocol, WrongMagicIsRefusedAfterFourBytes)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    transport.PushU32(0x6F76614C);
    transport.PushFrame("S", "T", "");
    KavoOS::SetLastError(0);
    const Read bad = readOne(protocol);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.sender, "old-sender");
    EXPECT_EQ(bad.topic, "old-topic");
    EXPECT_EQ(bad.length, 0u);
    EXPECT_EQ(bad.data, nullptr);
    // A refusal is bad data, not a broken pipe, so the reader goes on.
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidData);
    EXPECT_EQ(transport.readSizes.size(), 1u);
    const Read next = readOne(protocol);
    EXPECT_TRUE(next.ok);
    EXPECT_EQ(next.sender, "S");
}

TEST(PipeProtocol, AlteredPayloadIsRefusedAfterTheWholeFrameAndTheNextOneReads)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    transport.PushFrame("S", "T", "abc", CPipeProtocol::Magic, 1);
    transport.PushFrame("S2", "T2", "def");
    const Read bad = readOne(protocol);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.sender, "old-sender");
    EXPECT_EQ(bad.length, 0u);
    EXPECT_EQ(bad.data, nullptr);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidData);
    EXPECT_EQ(transport.messages.size(), 8u); // exactly the good frame is left
    const Read good = readOne(protocol);
    ASSERT_TRUE(good.ok);
    EXPECT_EQ(good.sender, "S2");
    EXPECT_EQ(std::string(good.data, good.length), "def");
}

TEST(PipeProtocol, OversizedNamesAndPayloadAreRefusedBeforeTheyAreRead)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    const auto u32 = &MessageTransport::u32;
    const std::string magic = u32(CPipeProtocol::Magic);
    // The fields of a frame up to the oversized one, and the reads it takes.
    const std::pair<std::deque<std::string>, size_t> refused[] = {
        { { magic, u32(0), u32(0xFFFFFFFF), u32(257) }, 4 }, // the sender bytes are never asked for
        { { magic, u32(0), u32(0xFFFFFFFF), u32(1), "S", u32(0xFFFFFFFF) }, 6 },
        // no buffer of that size may be attempted
        { { magic, u32(0xFFFFFFF0), u32(0), u32(1), "S", u32(1), "T" }, 7 },
    };
    for (const auto &[fields, reads] : refused) {
        transport.messages = fields;
        transport.readSizes.clear();
        EXPECT_FALSE(readOne(protocol).ok) << reads;
        EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidData) << reads;
        EXPECT_EQ(transport.readSizes.size(), reads);
        EXPECT_TRUE(transport.messages.empty()) << reads;
    }

    // The largest accepted sizes still pass.
    transport.PushFrame(
        std::string(256, 's'), std::string(256, 't'), std::string(CPipeProtocol::MaxPayloadLength, 'p'));
    const Read got = readOne(protocol);
    ASSERT_TRUE(got.ok);
    EXPECT_EQ(got.length, CPipeProtocol::MaxPayloadLength);
}

TEST(PipeProtocol, TruncatedFieldOrMissingFrameFailsWithTheTransportsCode)
{
    MessageTransport transport;
    CPipeProtocol protocol(&transport);
    transport.PushU32(CPipeProtocol::Magic);
    transport.messages.push_back("ab"); // a two-byte length field
    EXPECT_FALSE(readOne(protocol).ok);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorMoreData);
    EXPECT_FALSE(readOne(protocol).ok);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
}
