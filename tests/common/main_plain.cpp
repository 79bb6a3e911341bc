// Test main for the layers without Qt (also built under ThreadSanitizer):
// every path variable points into a fresh temporary folder.
#include "tests/common/childprocesscheck.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

int main(int argc, char **argv)
{
    char pattern[] = "/tmp/kavo-test-XXXXXX";
    const char *root = mkdtemp(pattern);
    if (!root)
        return 2;
    const std::string base(root);
    for (const char *sub : { "/data", "/config", "/runtime", "/home" })
        mkdir((base + sub).c_str(), 0700);
    setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (base + "/runtime").c_str(), 1);
    setenv("HOME", (base + "/home").c_str(), 1);
    setenv("KAVO_USER_HIVE", (base + "/config/user.db").c_str(), 1);
    setenv("KAVO_MACHINE_HIVE", (base + "/config/machine.db").c_str(), 1);
    ::testing::InitGoogleMock(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChildProcessCheck);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
    return result;
}
