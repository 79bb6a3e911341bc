#include "settings/keytree.h"
#include "settings/registry.h"
#include "tests/settings/hivefixture.h"

#include <vector>

namespace {

std::vector<kvtl::WString> g_calls;
kvtl::WString g_failOn;

kvreg::Status recordingDelete(kvreg::Root root, const kvtl::WString &path)
{
    g_calls.push_back(path);
    if (path == g_failOn)
        return ERROR_ACCESS_DENIED;
    return kvreg::DeleteKey(root, path);
}

bool exists(const kvtl::WString &path)
{
    kvreg::RegKey key;
    return kvreg::OpenKey(kvreg::Root::LocalMachine, path, kvreg::Access::Read, key) == ERROR_SUCCESS;
}

class KeyTreeTest : public HiveTest
{
protected:
    void SetUp() override
    {
        HiveTest::SetUp();
        g_calls.clear();
        g_failOn.clear();
        kvreg::RegKey key;
        for (const char16_t *path :
            { u"SOFTWARE\\Kavo\\T\\A\\A1", u"SOFTWARE\\Kavo\\T\\B\\B1", u"SOFTWARE\\Kavo\\T\\C" })
            ASSERT_EQ(kvreg::CreateKey(kvreg::Root::LocalMachine, path, key), ERROR_SUCCESS);
    }
};

} // namespace

TEST_F(KeyTreeTest, MachineTreeIsDeletedLeafFirstFromTheLastSubkey)
{
    ASSERT_TRUE(kvds::DeleteMachineKeyTree(u"SOFTWARE\\Kavo\\T", &recordingDelete));
    const std::vector<kvtl::WString> expected { u"SOFTWARE\\Kavo\\T\\C", u"SOFTWARE\\Kavo\\T\\B\\B1",
        u"SOFTWARE\\Kavo\\T\\B", u"SOFTWARE\\Kavo\\T\\A\\A1", u"SOFTWARE\\Kavo\\T\\A", u"SOFTWARE\\Kavo\\T" };
    EXPECT_EQ(g_calls, expected);
    EXPECT_FALSE(exists(u"SOFTWARE\\Kavo\\T"));
    EXPECT_TRUE(exists(u"SOFTWARE\\Kavo"));
}

TEST_F(KeyTreeTest, TheFirstFailureStopsTheWalk)
{
    g_failOn = u"SOFTWARE\\Kavo\\T\\B\\B1";
    EXPECT_FALSE(kvds::DeleteMachineKeyTree(u"SOFTWARE\\Kavo\\T", &recordingDelete));
    const std::vector<kvtl::WString> expected { u"SOFTWARE\\Kavo\\T\\C", u"SOFTWARE\\Kavo\\T\\B\\B1" };
    EXPECT_EQ(g_calls, expected);
    EXPECT_FALSE(exists(u"SOFTWARE\\Kavo\\T\\C")); // deleted before the failure, stays deleted
    EXPECT_TRUE(exists(u"SOFTWARE\\Kavo\\T\\B\\B1"));
    EXPECT_TRUE(exists(u"SOFTWARE\\Kavo\\T\\A\\A1"));
}

TEST_F(KeyTreeTest, OnlyPathsBelowTheKavoKeyOfAnOpenedObjectAreDeleted)
{
    EXPECT_FALSE(kvds::DeleteKeyTree(u"SOFTWARE\\Other", kvreg::Root::LocalMachine));
    EXPECT_FALSE(kvds::DeleteKeyTree(u"SOFTWARE\\Kavo\\T", std::nullopt));
    EXPECT_TRUE(exists(u"SOFTWARE\\Kavo\\T\\C"));
    EXPECT_FALSE(kvds::DeleteKeyTree(u"SOFTWARE\\Kavo\\T", kvreg::Root::CurrentUser)); // not in the user hive
    EXPECT_TRUE(kvds::DeleteKeyTree(u"SOFTWARE\\Kavo\\T", kvreg::Root::LocalMachine));
    EXPECT_FALSE(exists(u"SOFTWARE\\Kavo\\T"));
}

TEST_F(KeyTreeTest, AMissingKeyFails)
{
    EXPECT_FALSE(kvds::DeleteMachineKeyTree(u"SOFTWARE\\Kavo\\Nothing", &recordingDelete));
    EXPECT_TRUE(g_calls.empty());
}
