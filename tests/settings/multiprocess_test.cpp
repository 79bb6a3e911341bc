#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/settingsholder.h"
#include "tests/common/childprocess.h"
#include "tests/settings/hivefixture.h"

#include <sqlite3.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using kvtl::RefCountedPtr;

namespace {

const std::string Helper = KAVO_SETTINGS_HELPER;
const std::string KavoReg = KAVO_REG_TOOL;

std::string integrity(const std::string &path)
{
    sqlite3 *db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            result = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        else
            result = sqlite3_errmsg(db);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

std::string componentId()
{
    return "MultiProcess";
}

class SettingsProcessTest : public HiveTest
{
};

} // namespace

TEST_F(SettingsProcessTest, AProcessKilledWhileWritingLeavesAHiveThatOpensAndReads)
{
    for (int round = 0; round < 4; ++round) {
        ChildProcess writer;
        ASSERT_TRUE(writer.start({ Helper, "write-forever" }));
        std::string line;
        ASSERT_TRUE(writer.readLine(line));
        ASSERT_EQ(line, "ready");
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 37 * round));
        writer.kill(SIGKILL);
        EXPECT_EQ(writer.wait(), 128 + SIGKILL);

        RefCountedPtr<kvds::IKavoSettings> s;
        ASSERT_TRUE(kvds::CreateSettings("Settings/Kill/General", kvds::OpenUser, &s)) << round;
        uint32_t counter = 0xFFFFFFFF;
        EXPECT_TRUE(s->GetUInt("counter", counter));
        EXPECT_NE(counter, 0xFFFFFFFFu);
        std::set<std::string> subKeys;
        EXPECT_TRUE(s->GetSubKeyNames(subKeys));
        EXPECT_TRUE(s->SetUInt("afterKill", static_cast<uint32_t>(round)));
        s.reset();
        EXPECT_EQ(integrity(userHive()), "ok") << round;
    }
}

TEST_F(SettingsProcessTest, KavoRegWritesWhatReadBoolSettingReads)
{
    const std::string key = "HKCU\\SOFTWARE\\Kavo\\Settings\\" + componentId() + "\\General";
    std::string out;
    ASSERT_EQ(ChildProcess::run({ KavoReg, "add", key, "/v", "TransferDevicesConfirmDeletions", "/t",
                                    "REG_DWORD", "/d", "0" },
                  &out),
        0);
    EXPECT_EQ(out, "The operation completed successfully.\n");
    ASSERT_EQ(ChildProcess::run({ KavoReg, "query", key, "/v", "TransferDevicesConfirmDeletions" }, &out), 0);
    EXPECT_NE(out.find("    TransferDevicesConfirmDeletions    REG_DWORD    0x0\n"), std::string::npos)
        << out;
    kvds::SettingsHolder holder(&componentId);
    EXPECT_FALSE(holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions"));

    // And back: what the plug-in writes the tool shows.
    ASSERT_TRUE(holder.WriteBoolSetting("General", "TransferDevicesConfirmDeletions", true));
    ASSERT_EQ(ChildProcess::run({ KavoReg, "query", key }, &out), 0);
    EXPECT_NE(out.find("    TransferDevicesConfirmDeletions    REG_DWORD    0x1\n"), std::string::npos)
        << out;
}

TEST_F(SettingsProcessTest, KavoRegTypesAndMachineDefaults)
{
    const std::string user = "HKCU\\SOFTWARE\\Kavo\\Settings\\" + componentId() + "\\General";
    const std::string machine = "HKLM\\SOFTWARE\\Kavo\\Settings\\" + componentId() + "\\General";
    ASSERT_EQ(ChildProcess::run({ KavoReg, "add", machine, "/v", "TransferDevicesConfirmDeletions", "/t",
                  "REG_DWORD", "/d", "0" }),
        0);
    kvds::SettingsHolder holder(&componentId);
    EXPECT_FALSE(holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions"));

    ASSERT_EQ(
        ChildProcess::run({ KavoReg, "add", user, "/v", "Q", "/t", "REG_QWORD", "/d", "0x0123456789abcdef" }),
        0);
    ASSERT_EQ(ChildProcess::run({ KavoReg, "add", user, "/v", "S", "/t", "REG_SZ", "/d", "caf\xC3\xA9" }), 0);
    ASSERT_EQ(ChildProcess::run({ KavoReg, "add", user, "/v", "B", "/t", "REG_BINARY", "/d", "00ff7f" }), 0);
    ASSERT_EQ(
        ChildProcess::run({ KavoReg, "add", user, "/v", "D", "/t", "REG_DWORD", "/d", "4294967295" }), 0);
    RefCountedPtr<kvds::IKavoSettings> s;
    ASSERT_TRUE(kvds::CreateSettings("Settings/" + componentId() + "/General", kvds::ReadUser, &s));
    uint64_t q = 0;
    EXPECT_TRUE(s->GetQWord("Q", q));
    EXPECT_EQ(q, 0x0123456789abcdefull);
    std::string text;
    EXPECT_TRUE(s->GetString("S", text));
    EXPECT_EQ(text, "caf\xC3\xA9");
    kvtl::MemoryBuffer<unsigned char> bytes;
    ASSERT_TRUE(s->GetBinary("B", bytes));
    ASSERT_EQ(bytes.Size(), 3u);
    EXPECT_EQ(bytes.Data()[1], 0xFF);
    uint32_t d = 0;
    EXPECT_TRUE(s->GetUInt("D", d));
    EXPECT_EQ(d, 0xFFFFFFFFu);

    std::string out;
    ASSERT_EQ(ChildProcess::run({ KavoReg, "query", user }, &out), 0);
    EXPECT_NE(out.find("    B    REG_BINARY    00FF7F\n"), std::string::npos) << out;
    EXPECT_NE(out.find("    Q    REG_QWORD    0x123456789abcdef\n"), std::string::npos) << out;
    EXPECT_NE(out.find("    S    REG_SZ    caf\xC3\xA9\n"), std::string::npos) << out;

    EXPECT_EQ(ChildProcess::run({ KavoReg, "delete", user, "/v", "S" }), 0);
    EXPECT_EQ(ChildProcess::run({ KavoReg, "query", user, "/v", "S" }), 1);
    EXPECT_EQ(ChildProcess::run({ KavoReg, "delete", machine }), 0);
    EXPECT_EQ(ChildProcess::run({ KavoReg, "query", machine }), 1);
    EXPECT_TRUE(holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions"));
}

TEST_F(SettingsProcessTest, KavoRegAnswersEveryCommandLineAsRegDoes)
{
    const std::string key = "HKCU\\SOFTWARE\\Kavo\\X";
    ASSERT_EQ(ChildProcess::run({ KavoReg, "add", key, "/v", "MixedCase", "/d", "x" }), 0);
    const std::string userBefore = readFile(userHive());
    const std::string denied = "ERROR: Access is denied: the hive is read-only for this user.\n";
    const std::string noDefault = "ERROR: /d and /t need /v NAME: there is no unnamed default value.\n";
    const std::string emptySegment = "ERROR: the key path has an empty segment (two separators in a row).\n";
    const struct
    {
        bool readOnly; // run as another account on read-only hives
        std::vector<std::string> args;
        int exitCode;
        std::string said; // the start of what it prints
    } cases[] = {
        { false, {}, 1, "ERROR: a command and a key are needed." },
        { false, { "list", key }, 1, "ERROR: the command must be" },
        { false, { "query", "HKCR\\SOFTWARE\\Kavo\\X" }, 1, "ERROR: the key must be" },
        { false, { "query", "HKCU\\SOFTWARE\\Other" }, 1, "ERROR: the key must be" },
        { false, { "query", "HKCU\\SOFTWARE\\Kavo\\" }, 1, "ERROR: the key must be" },
        { false, { "query", "HKCU\\SOFTWARE\\Kavo\\\\X" }, 1, emptySegment },
        { false, { "add", key + "\\\\Y", "/v", "A", "/d", "b" }, 1, emptySegment },
        { false, { "add", key, "/v", "D", "/t", "REG_DWORD", "/d", "4294967296" }, 1,
            "ERROR: REG_DWORD data" },
        { false, { "add", key, "/v", "D", "/t", "REG_DWORD", "/d", "-1" }, 1, "ERROR: REG_DWORD data" },
        { false, { "add", key, "/v", "B", "/t", "REG_BINARY", "/d", "0g" }, 1, "ERROR: REG_BINARY data" },
        { false, { "add", key, "/v", "X", "/t", "REG_MULTI_SZ", "/d", "a" }, 1, "ERROR: the type must be" },
        { false, { "add", key, "/v" }, 1, "ERROR: an option lacks its argument." },
        { false, { "add", key, "/d", "5" }, 1, noDefault },
        { false, { "add", key, "/t", "REG_SZ" }, 1, noDefault },
        { false, { "add", key, "/ve", "/d", "x" }, 1, "ERROR: there is no unnamed default value" },
        { false, { "query", "HKCU\\SOFTWARE\\Kavo\\Y" }, 1, "ERROR: The system was unable to find" },
        { false, { "query", key, "/v", "mixedcase" }, 0,
            "\nHKEY_CURRENT_USER\\SOFTWARE\\Kavo\\X\n    MixedCase    REG_SZ    x\n" },
        { false, { "/?" }, 0, "Usage:\n" },
        { false, { "-h" }, 0, "Usage:\n" },
        { false, { "--help" }, 0, "Usage:\n" },
        { false, { "query", "/?" }, 0, "Usage:\n" },
        { true, { "add", key, "/v", "New", "/d", "x" }, 1, denied },
        { true, { "delete", key, "/v", "MixedCase" }, 1, denied },
        { true, { "delete", key }, 1, denied },
        { true, { "query", key, "/v", "MIXEDCASE" }, 0,
            "\nHKEY_CURRENT_USER\\SOFTWARE\\Kavo\\X\n    MixedCase    REG_SZ    x\n" },
    };
    for (const auto &c : cases) {
        std::vector<std::string> args { KavoReg };
        if (c.readOnly) {
            // File modes do not bind the superuser: the tool then runs as nobody.
            ASSERT_EQ(chmod(userHive().c_str(), 0444), 0);
            ASSERT_EQ(chmod(dir().c_str(), 0555), 0);
            args = { Helper, "exec", KavoReg };
            if (geteuid() == 0)
                args.insert(args.begin() + 1, "--as-nobody");
        }
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::string out;
        EXPECT_EQ(ChildProcess::run(args, &out, true), c.exitCode) << c.args.size() << ": " << out;
        EXPECT_EQ(out.substr(0, c.said.size()), c.said);
    }
    chmod(dir().c_str(), 0700);
    EXPECT_EQ(readFile(userHive()), userBefore);
}

TEST_F(SettingsProcessTest, ReadOnlyHivesRefuseWritingButStillRead)
{
    // Read-only hives: one for the user, one for the machine, each with a value.
    const std::string roUserDir = dir() + "/userro";
    const std::string rwUserDir = dir() + "/user";
    const std::string machineDir = dir() + "/machine";
    for (const std::string &d : { roUserDir, rwUserDir, machineDir })
        ASSERT_EQ(mkdir(d.c_str(), 0755), 0);
    setenv("KAVO_USER_HIVE", (roUserDir + "/user.db").c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", (machineDir + "/machine.db").c_str(), 1);
    {
        RefCountedPtr<kvds::IKavoSettings> s;
        ASSERT_TRUE(kvds::CreateSettings("Settings/RO/General", kvds::CreateUser, &s));
        ASSERT_TRUE(s->SetBool("U", true));
        ASSERT_TRUE(kvds::CreateSettings("Settings/RO/General", kvds::CreateMachine, &s));
        ASSERT_TRUE(s->SetBool("Flag", false));
    }
    const std::string userBefore = readFile(roUserDir + "/user.db");
    const std::string machineBefore = readFile(machineDir + "/machine.db");
    ASSERT_EQ(chmod((roUserDir + "/user.db").c_str(), 0444), 0);
    ASSERT_EQ(chmod((machineDir + "/machine.db").c_str(), 0444), 0);
    ASSERT_EQ(chmod(roUserDir.c_str(), 0555), 0);
    ASSERT_EQ(chmod(machineDir.c_str(), 0555), 0);

    // As root, permissions do not bind: the check runs as nobody instead.
    std::vector<std::string> args { Helper };
    if (geteuid() == 0) {
        ASSERT_EQ(chmod(dir().c_str(), 0755), 0);
        ASSERT_EQ(chown(rwUserDir.c_str(), 65534, 65534), 0);
        args.push_back("--as-nobody");
    }
    args.insert(args.end(), { "readonly-hives", roUserDir + "/user.db", rwUserDir + "/user.db" });
    std::string out;
    EXPECT_EQ(ChildProcess::run(args, &out), 0) << out;
    EXPECT_EQ(out, "");
    EXPECT_EQ(readFile(roUserDir + "/user.db"), userBefore);
    EXPECT_EQ(readFile(machineDir + "/machine.db"), machineBefore);

    chmod(roUserDir.c_str(), 0755);
    chmod(machineDir.c_str(), 0755);
}
