#include "tests/settings/hivefixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

void HiveTest::SetUp()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kavo-hives-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    const char *user = std::getenv("KAVO_USER_HIVE");
    const char *machine = std::getenv("KAVO_MACHINE_HIVE");
    m_oldUser = user ? user : "";
    m_oldMachine = machine ? machine : "";
    setenv("KAVO_USER_HIVE", userHive().c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", machineHive().c_str(), 1);
}

void HiveTest::TearDown()
{
    setenv("KAVO_USER_HIVE", m_oldUser.c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", m_oldMachine.c_str(), 1);
    std::error_code ignored;
    if (!m_dir.empty())
        std::filesystem::remove_all(m_dir, ignored);
}

void HiveTest::blockUserHive()
{
    writeFile(m_dir + "/blocker", "not a folder");
    setenv("KAVO_USER_HIVE", (m_dir + "/blocker/user.db").c_str(), 1);
}

void HiveTest::unblockUserHive()
{
    setenv("KAVO_USER_HIVE", userHive().c_str(), 1);
}

std::string HiveTest::readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void HiveTest::writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
