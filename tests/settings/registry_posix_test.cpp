// The hive files behind the registry: what they hold, where they are and how
// a damaged or foreign file is met.
#include "settings/registry.h"
#include "tests/settings/hivefixture.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

using namespace kvreg;

namespace {

class RegistryFileTest : public HiveTest
{
};

} // namespace

TEST_F(RegistryFileTest, KeysLiveInTheirRootsFileMadeOnlyWhenCreated)
{
    RegKey key;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo", Access::Read, key), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(access(userHive().c_str(), F_OK), 0);
    ASSERT_EQ(CreateKey(Root::LocalMachine, u"SOFTWARE\\Kavo\\Only", key), ERROR_SUCCESS);
    EXPECT_EQ(access(machineHive().c_str(), F_OK), 0);
    EXPECT_NE(access(userHive().c_str(), F_OK), 0);
}

TEST_F(RegistryFileTest, AFileThatIsNotSqliteFailsAndStaysAsItIs)
{
    const std::string garbage(4096, 'x');
    writeFile(userHive(), garbage);
    RegKey key;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE", Access::Read, key), ERROR_BADDB);
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo", key), ERROR_BADDB);
    EXPECT_EQ(DeleteTree(Root::CurrentUser, u"SOFTWARE\\Kavo"), ERROR_BADDB);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(readFile(userHive()), garbage);
}

TEST_F(RegistryFileTest, ADatabaseOfAnotherProgramIsLeftAlone)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(userHive().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('keep');", nullptr,
                  nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
    const std::string before = readFile(userHive());
    RegKey key;
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo", key), ERROR_BADDB);
    EXPECT_EQ(readFile(userHive()), before);
}

TEST_F(RegistryFileTest, ACorruptPageFailsWithoutCrashing)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\C", key), ERROR_SUCCESS);
    const std::string big(3000, 'b');
    for (int i = 0; i < 20; ++i) {
        const kvtl::WString name = u"v" + kvtl::WString(1, static_cast<char16_t>(u'a' + i));
        ASSERT_EQ(SetValue(key, name, REG_BINARY, big.data(), 3000), ERROR_SUCCESS);
    }
    key.Close();
    std::string bytes = readFile(userHive());
    ASSERT_GT(bytes.size(), 8192u);
    for (size_t i = 4096 + 100; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(0xA5);
    writeFile(userHive(), bytes);
    // Each call either works or reports a failure; none may crash.
    RegKey again;
    if (OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\C", Access::ReadWrite, again) == ERROR_SUCCESS) {
        unsigned char out[4000];
        uint32_t size = sizeof out;
        uint32_t type = 0;
        const Status status = QueryValue(again, u"vb", &type, out, &size);
        EXPECT_TRUE(status == ERROR_SUCCESS || status == ERROR_BADDB) << status;
        uint32_t subKeys = 0;
        QueryInfoKey(again, &subKeys, nullptr, nullptr);
    }
}

TEST_F(RegistryFileTest, AHiveRemovedOnDiskIsOpenedAfresh)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Old", key), ERROR_SUCCESS);
    ASSERT_EQ(unlink(userHive().c_str()), 0);
    RegKey old;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Old", Access::Read, old), ERROR_FILE_NOT_FOUND);
    RegKey fresh;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\New", fresh), ERROR_SUCCESS);
    EXPECT_EQ(access(userHive().c_str(), F_OK), 0);
}

TEST_F(RegistryFileTest, AHivePathUnderAFileCannotBeCreated)
{
    writeFile(dir() + "/plain", "x");
    setenv("KAVO_USER_HIVE", (dir() + "/plain/user.db").c_str(), 1);
    RegKey key;
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo", key), ERROR_ACCESS_DENIED);
}

TEST_F(RegistryFileTest, DefaultLocationsFollowTheEnvironment)
{
    const char *old = std::getenv("XDG_CONFIG_HOME");
    const std::string oldConfig = old ? old : "";
    unsetenv("KAVO_USER_HIVE");
    setenv("XDG_CONFIG_HOME", (dir() + "/cfg").c_str(), 1);
    RegKey key;
    const Status status = CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo", key);
    setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
    ASSERT_EQ(status, ERROR_SUCCESS);
    EXPECT_EQ(access((dir() + "/cfg/Kavo/Registry/user.db").c_str(), F_OK), 0);
}

TEST_F(RegistryFileTest, MissingFoldersAreMadePrivateForTheUserAndReadableForTheMachine)
{
    setenv("KAVO_USER_HIVE", (dir() + "/u/Kavo/user.db").c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", (dir() + "/m/Kavo/machine.db").c_str(), 1);
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo", key), ERROR_SUCCESS);
    ASSERT_EQ(CreateKey(Root::LocalMachine, u"SOFTWARE\\Kavo", key), ERROR_SUCCESS);
    const mode_t mask = umask(0);
    umask(mask);
    struct stat st
    {
    };
    ASSERT_EQ(stat((dir() + "/u/Kavo").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u & ~mask);
    ASSERT_EQ(stat((dir() + "/m/Kavo").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u & ~mask);
}
