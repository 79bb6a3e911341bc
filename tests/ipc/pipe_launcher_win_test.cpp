// The pipe endpoint against peers written to the pipes' own rules, not to
// this code: a launcher that makes one-way message pipes with plain blocking
// handles and waits on the named ready event, and a client that opens each
// pipe for its one direction and reads bytes as they come.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/cpipeprotocol.h"
#include "ipc/pipecrc32.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const std::string Prefix = "\\\\.\\Pipe\\";

struct Handle
{
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE)
        : h(h)
    {
    }
    ~Handle()
    {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    bool ok() const { return h && h != INVALID_HANDLE_VALUE; }
    HANDLE h;
};

HANDLE serverPipe(const std::string &name, DWORD direction)
{
    return CreateNamedPipeA(name.c_str(), direction, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
        255, 4096, 4096, 0, nullptr);
}

bool put(HANDLE pipe, const void *data, DWORD n)
{
    DWORD done = 0;
    return WriteFile(pipe, data, n, &done, nullptr) && done == n;
}

// Exactly n bytes: one read in message mode, as many as it takes in byte mode.
bool take(HANDLE pipe, void *data, DWORD n, bool bytes)
{
    for (auto *to = static_cast<char *>(data); n > 0;) {
        DWORD got = 0;
        if (!ReadFile(pipe, to, n, &got, nullptr) || (!bytes && got != n))
            return false;
        to += got;
        n -= got;
    }
    return true;
}

bool putU32(HANDLE pipe, uint32_t value)
{
    const unsigned char bytes[4]
        = { static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
              static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24) };
    return put(pipe, bytes, 4);
}

uint32_t takeU32(HANDLE pipe, bool bytes)
{
    unsigned char b[4] = {};
    take(pipe, b, 4, bytes);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// Every field its own write, the payload in one.
bool putFrame(HANDLE pipe, const std::string &sender, const std::string &topic, const std::string &payload)
{
    const auto n = static_cast<unsigned>(payload.size());
    return putU32(pipe, kvds::CPipeProtocol::Magic) && putU32(pipe, n)
        && putU32(pipe, kvds::PipeCrc32(payload.data(), n, 0xFFFFFFFF))
        && putU32(pipe, uint32_t(sender.size())) && put(pipe, sender.data(), DWORD(sender.size()))
        && putU32(pipe, uint32_t(topic.size())) && put(pipe, topic.data(), DWORD(topic.size()))
        && (n == 0 || put(pipe, payload.data(), n));
}

// "sender topic payload", or empty when a field does not fit.
std::string takeFrame(HANDLE pipe, bool bytes)
{
    if (takeU32(pipe, bytes) != kvds::CPipeProtocol::Magic)
        return {};
    const uint32_t n = takeU32(pipe, bytes);
    const uint32_t check = takeU32(pipe, bytes);
    std::string fields[3];
    for (uint32_t i = 0, size = 0; i < 3; ++i) {
        size = i < 2 ? takeU32(pipe, bytes) : n;
        fields[i].resize(size);
        if (size > 1u << 20 || (size != 0 && !take(pipe, fields[i].data(), size, bytes)))
            return {};
    }
    if (kvds::PipeCrc32(fields[2].data(), n, 0xFFFFFFFF) != check)
        return {};
    return fields[0] + ' ' + fields[1] + ' ' + fields[2];
}

std::string pattern(size_t size)
{
    std::string text(size, '\0');
    for (size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    return text;
}

} // namespace

// The client is started suspended, so its ready event exists before it can
// look for it; the frames are far longer than the pipe's buffer.
TEST(PipeAgainstItsRules, AClientStartedByALauncherAnswersOverOneWayPipes)
{
    const std::string base = UniqueBase("launched");
    Handle in(serverPipe(Prefix + base + "_Client2Server", PIPE_ACCESS_INBOUND));
    Handle out(serverPipe(Prefix + base + "_Server2Client", PIPE_ACCESS_OUTBOUND));
    ASSERT_TRUE(in.ok() && out.ok());

    std::string command = "\"" + PipePeerProgram() + "\" client " + base;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
        nullptr, &startup, &process));
    Handle child(process.hProcess);
    Handle thread(process.hThread);
    wchar_t eventName[100];
    std::swprintf(eventName, 100, L"%ls%lx", L"{83AB5D5B-695E-4879-8049-63EB7C0F542A}", process.dwProcessId);
    Handle ready(CreateEventW(nullptr, TRUE, FALSE, eventName));
    ASSERT_TRUE(ready.ok());
    ResumeThread(thread.h);
    ASSERT_EQ(WaitForSingleObject(ready.h, 10000), WAIT_OBJECT_0);

    const std::string big = pattern(60000);
    const struct
    {
        const char *topic;
        std::string payload;
    } rows[] = { { "EchoBig", big }, { "EchoNone", "" }, { "EchoSmall", "abc" } };
    for (const auto &row : rows) {
        ASSERT_TRUE(putFrame(out.h, "Player", row.topic, row.payload)) << row.topic;
        EXPECT_EQ(takeFrame(in.h, false), "Echo Reply" + std::string(row.topic + 4) + ' ' + row.payload);
    }
    CloseHandle(out.h);
    out.h = INVALID_HANDLE_VALUE;
    CloseHandle(in.h);
    in.h = INVALID_HANDLE_VALUE;
    ASSERT_EQ(WaitForSingleObject(child.h, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    EXPECT_TRUE(GetExitCodeProcess(child.h, &code));
    EXPECT_EQ(code, 0u);
}

TEST(PipeAgainstItsRules, AClientOpensEachPipeForItsOneDirection)
{
    const std::string base = UniqueBase("oneway");
    kvtl::RefCountedPtr<kvds::IKavoIPC> server;
    ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
    kvtl::RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("T"), recorder.get(), false));

    // Either pipe opened the wrong way round is refused.
    EXPECT_EQ(CreateFileA((Prefix + base + "_Server2Client").c_str(), GENERIC_WRITE, 0, nullptr,
                  OPEN_EXISTING, 0, nullptr),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    Handle fromServer(CreateFileA(
        (Prefix + base + "_Server2Client").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    Handle toServer(CreateFileA(
        (Prefix + base + "_Client2Server").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(fromServer.ok() && toServer.ok());

    const std::string big = pattern(50000);
    ASSERT_TRUE(putFrame(toServer.h, "Client", "Tbig", big));
    ASSERT_TRUE(recorder->WaitFor(1));
    EXPECT_EQ(recorder->Messages()[0].payload, big);
    int delivered = 0;
    ASSERT_TRUE(server->Send("Player", "Back", static_cast<unsigned>(big.size()), big.data(), &delivered));
    EXPECT_EQ(takeFrame(fromServer.h, true), "Player Back " + big);
}
