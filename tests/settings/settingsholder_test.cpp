#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/registry.h"
#include "settings/settingkeys.h"
#include "settings/settingsholder.h"
#include "tests/settings/hivefixture.h"

#include <cstdlib>

using kvds::SettingsHolder;

namespace {

std::string testComponent()
{
    return "HolderTest";
}

const kvtl::WString GeneralPath = u"SOFTWARE\\Kavo\\Settings\\HolderTest\\General";
const char *const Section = kvds::settingKeys[kvds::TransferDevicesConfirmDeletions].section;
const char *const Key = kvds::settingKeys[kvds::TransferDevicesConfirmDeletions].key;

void putDword(kvreg::Root root, uint32_t value)
{
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(root, GeneralPath, key), ERROR_SUCCESS);
    const unsigned char bytes[4] = { static_cast<unsigned char>(value), 0, 0, 0 };
    ASSERT_EQ(kvreg::SetValue(key, u"TransferDevicesConfirmDeletions", REG_DWORD, bytes, 4), ERROR_SUCCESS);
}

class SettingsHolderTest : public HiveTest
{
};

} // namespace

TEST_F(SettingsHolderTest, WithNoValueAnywhereTheDefaultApplies)
{
    SettingsHolder holder(&testComponent);
    EXPECT_TRUE(holder.ReadBoolSetting(true, Section, Key));
    EXPECT_FALSE(holder.ReadBoolSetting(false, Section, Key));
    // Reading made the component key (mode 8 creates it) but wrote no value.
    kvreg::RegKey key;
    EXPECT_EQ(kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\HolderTest",
                  kvreg::Access::Read, key),
        ERROR_SUCCESS);
}

TEST_F(SettingsHolderTest, WriteThenReadBack)
{
    SettingsHolder holder(&testComponent);
    EXPECT_TRUE(holder.WriteBoolSetting(Section, Key, false));
    EXPECT_FALSE(holder.ReadBoolSetting(true, Section, Key));
    EXPECT_TRUE(holder.WriteBoolSetting(Section, Key, true));
    EXPECT_TRUE(holder.ReadBoolSetting(false, Section, Key));
}

TEST_F(SettingsHolderTest, MachineValueSuppressesAndUserValueOverrides)
{
    putDword(kvreg::Root::LocalMachine, 0);
    SettingsHolder holder(&testComponent);
    EXPECT_FALSE(holder.ReadBoolSetting(true, Section, Key));
    putDword(kvreg::Root::CurrentUser, 1);
    EXPECT_TRUE(holder.ReadBoolSetting(true, Section, Key));
}

TEST_F(SettingsHolderTest, AValueOfAnotherTypeIsIgnored)
{
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::CurrentUser, GeneralPath, key), ERROR_SUCCESS);
    const unsigned char text[4] = { '0', 0, 0, 0 };
    ASSERT_EQ(kvreg::SetValue(key, u"TransferDevicesConfirmDeletions", REG_SZ, text, 4), ERROR_SUCCESS);
    SettingsHolder holder(&testComponent);
    EXPECT_TRUE(holder.ReadBoolSetting(true, Section, Key));
}

TEST_F(SettingsHolderTest, AComponentKeyThatCannotBeCreatedGivesTheDefaultAndIsRetried)
{
    blockUserHive();
    SettingsHolder holder(&testComponent);
    EXPECT_FALSE(holder.EnsureSettings());
    EXPECT_EQ(holder.Settings(), nullptr);
    EXPECT_TRUE(holder.ReadBoolSetting(true, Section, Key));
    EXPECT_FALSE(holder.ReadBoolSetting(false, Section, Key));
    EXPECT_FALSE(holder.WriteBoolSetting(Section, Key, false));

    unblockUserHive();
    EXPECT_TRUE(holder.WriteBoolSetting(Section, Key, false));
    EXPECT_NE(holder.Settings(), nullptr);
    EXPECT_FALSE(holder.ReadBoolSetting(true, Section, Key));
}

TEST_F(SettingsHolderTest, AnEmptySectionFailsTheWriteAndKeepsTheDefault)
{
    SettingsHolder holder(&testComponent);
    EXPECT_FALSE(holder.WriteBoolSetting("", Key, false));
    EXPECT_FALSE(holder.WriteBoolSetting("General/", Key, false));
    EXPECT_TRUE(holder.ReadBoolSetting(true, "/General", Key));
    EXPECT_FALSE(holder.WriteBoolSetting(Section, "", false));
}

TEST_F(SettingsHolderTest, HoldersOfTwoUnitsAreSeparateObjectsOnOneKey)
{
    SettingsHolder pane(&testComponent);
    SettingsHolder dialog(&testComponent);
    ASSERT_TRUE(pane.EnsureSettings());
    ASSERT_TRUE(dialog.EnsureSettings());
    EXPECT_NE(pane.Settings(), dialog.Settings());
    EXPECT_EQ(pane.Settings()->GetRefCount(), 1);
    ASSERT_TRUE(dialog.WriteBoolSetting(Section, Key, false));
    // Values are not cached: the other holder sees the write at once.
    EXPECT_FALSE(pane.ReadBoolSetting(true, Section, Key));
    dialog.Release();
    EXPECT_EQ(dialog.Settings(), nullptr);
    ASSERT_TRUE(dialog.EnsureSettings());
    EXPECT_NE(dialog.Settings(), nullptr);
    EXPECT_FALSE(dialog.ReadBoolSetting(true, Section, Key));
}

TEST_F(SettingsHolderTest, TheSectionObjectLivesOnInTheComponentCache)
{
    SettingsHolder holder(&testComponent);
    ASSERT_TRUE(holder.WriteBoolSetting(Section, Key, true));
    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    ASSERT_TRUE(holder.Settings()->OpenChild(Section, &general));
    EXPECT_EQ(general->GetRefCount(), 2); // the cache's reference and ours, no other left behind
}

TEST_F(SettingsHolderTest, TheComponentIdNamesTheKey)
{
    SettingsHolder holder([] { return std::string("Other/Id"); });
    ASSERT_TRUE(holder.WriteBoolSetting(Section, Key, false));
    kvreg::RegKey key;
    EXPECT_EQ(kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Other\\Id\\General",
                  kvreg::Access::Read, key),
        ERROR_SUCCESS);
    SettingsHolder none(nullptr);
    EXPECT_TRUE(none.ReadBoolSetting(true, Section, Key));
}
