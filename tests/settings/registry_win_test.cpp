// The registry back end on Windows: the system's own names, whatever the
// include order (the other order is in registry_win_order.cpp), and the
// 64-bit view for every key, as 32-bit and 64-bit builds must share them.
#include <windows.h>

#include "settings/kavosettings.h"
#include "settings/registry.h"
#include "tests/settings/hivefixture.h"

#include <gtest/gtest.h>

long MissingKeySettingsFirst();

TEST(RegistryNames, TheSystemsInEitherIncludeOrder)
{
    kvreg::RegKey key;
    EXPECT_EQ(kvreg::OpenKey(kvreg::Root::CurrentUser, u"Kavo\\No\\Such\\Key", kvreg::Access::Read, key),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(MissingKeySettingsFirst(), static_cast<long>(REG_SZ));
}

using RegistryView = HiveTest;

TEST_F(RegistryView, KeysLiveInThe64BitView)
{
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo\\View", key), ERROR_SUCCESS);
    const std::string path = dir() + "\\SOFTWARE\\Kavo\\View";
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened),
        ERROR_SUCCESS);
    RegCloseKey(opened);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened),
        ERROR_FILE_NOT_FOUND);
    key.Close();
    EXPECT_EQ(kvreg::DeleteTree(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo"), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened),
        ERROR_FILE_NOT_FOUND);
}
