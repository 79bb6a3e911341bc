// Settings shared by real processes, the same over the registry and over
// the hive files: concurrent writers both persist, and a change by one
// process is what the next read of another sees.
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/settingsholder.h"
#include "tests/common/childprocess.h"
#include "tests/settings/hivefixture.h"

using kvtl::RefCountedPtr;

namespace {

const std::string Helper = KAVO_SETTINGS_HELPER;

std::string componentId()
{
    return "MultiProcess";
}

using SettingsProcesses = HiveTest;

} // namespace

TEST_F(SettingsProcesses, TwoProcessesWritingOneKeyAtOnceBothPersist)
{
    constexpr int Count = 150;
    ChildProcess a;
    ChildProcess b;
    ASSERT_TRUE(a.start({ Helper, "write-many", "A", std::to_string(Count) }));
    ASSERT_TRUE(b.start({ Helper, "write-many", "B", std::to_string(Count) }));
    EXPECT_EQ(a.wait(), 0);
    EXPECT_EQ(b.wait(), 0);

    RefCountedPtr<kvds::IKavoSettings> s;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Shared/General", kvds::ReadUser, &s));
    int32_t count = 0;
    ASSERT_TRUE(s->GetValueCount(count));
    EXPECT_EQ(count, 2 * Count);
    for (int i = 0; i < Count; ++i) {
        uint32_t va = 0xFFFF;
        uint32_t vb = 0xFFFF;
        EXPECT_TRUE(s->GetUInt("A" + std::to_string(i), va));
        EXPECT_TRUE(s->GetUInt("B" + std::to_string(i), vb));
        EXPECT_EQ(va, static_cast<uint32_t>(i));
        EXPECT_EQ(vb, static_cast<uint32_t>(i));
    }
}

TEST_F(SettingsProcesses, AChangeByAnotherProcessIsSeenAtTheNextRead)
{
    kvds::SettingsHolder holder(&componentId);
    EXPECT_TRUE(holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions"));
    ASSERT_EQ(ChildProcess::run({ Helper, "set-bool", componentId(), "false" }), 0);
    EXPECT_FALSE(holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions"));
    ASSERT_EQ(ChildProcess::run({ Helper, "set-bool", componentId(), "true" }), 0);
    EXPECT_TRUE(holder.ReadBoolSetting(false, "General", "TransferDevicesConfirmDeletions"));
}
