#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/settingsholder.h"
#include "tests/settings/hivefixture.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

class SettingsThreadsTest : public HiveTest
{
};

std::string threadsComponent()
{
    return "Threads";
}

} // namespace

// Objects are not shared between threads, but the hive connection behind
// them is: each thread works through its own objects on the same keys.
TEST_F(SettingsThreadsTest, ObjectsOnSeveralThreadsShareOneHive)
{
    constexpr int Threads = 4;
    constexpr int Rounds = 60;
    std::atomic<int> failures { 0 };
    std::vector<std::thread> workers;
    for (int t = 0; t < Threads; ++t) {
        workers.emplace_back([t, &failures] {
            const std::string prefix = "T" + std::to_string(t) + "_";
            for (int round = 0; round < Rounds; ++round) {
                kvtl::RefCountedPtr<kvds::IKavoSettings> s;
                if (!kvds::CreateSettings("Settings/Threads/General", kvds::CreateUserOpenMachine, &s)) {
                    ++failures;
                    continue;
                }
                int32_t back = -1;
                if (!s->SetInt(prefix + std::to_string(round % 5), round)
                    || !s->GetInt(prefix + std::to_string(round % 5), back) || back != round)
                    ++failures;
                std::set<std::string> names;
                if (!s->GetValueNames(names))
                    ++failures;
                kvds::SettingsHolder holder(&threadsComponent);
                holder.ReadBoolSetting(true, "General", "TransferDevicesConfirmDeletions");
            }
        });
    }
    for (std::thread &worker : workers)
        worker.join();
    EXPECT_EQ(failures.load(), 0);

    kvtl::RefCountedPtr<kvds::IKavoSettings> s;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Threads/General", kvds::ReadUser, &s));
    int32_t count = 0;
    ASSERT_TRUE(s->GetValueCount(count));
    EXPECT_EQ(count, Threads * 5);
}
