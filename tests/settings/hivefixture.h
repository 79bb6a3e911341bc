#pragma once

#include <gtest/gtest.h>

#include <string>

// Gives each test its own pair of hive files in a fresh folder, and puts the
// previous KAVO_USER_HIVE / KAVO_MACHINE_HIVE back afterwards. On Windows,
// where every program shares one registry, each test gets a key of its own
// instead (KAVO_REGISTRY_ROOT), removed afterwards.
class HiveTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string &dir() const { return m_dir; }
    std::string userHive() const { return m_dir + "/user.db"; }
    std::string machineHive() const { return m_dir + "/machine.db"; }

    // The user's root can no longer take new keys, until unblocked.
    void blockUserHive();
    void unblockUserHive();

    // The hive files' bytes; not on Windows, which has none.
    static std::string readFile(const std::string &path);
    static void writeFile(const std::string &path, const std::string &bytes);

private:
    std::string m_dir;
    std::string m_oldUser;
    std::string m_oldMachine;
    std::string m_oldRoot;
};
