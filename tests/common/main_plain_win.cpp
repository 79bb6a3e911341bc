// Test main for the Windows build of the layers without Qt: every path
// variable points into a fresh temporary folder.
#include <gmock/gmock.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char **argv)
{
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error)
        / ("kavo-test-" + std::to_string(GetCurrentProcessId()) + '-' + std::to_string(GetTickCount64()));
    if (error || !std::filesystem::create_directories(base, error))
        return 2;
    for (const char *sub : { "data", "config", "runtime", "home" })
        std::filesystem::create_directory(base / sub, error);
    // _putenv_s, not SetEnvironmentVariable: getenv reads the C runtime's copy.
    const auto set
        = [&base](const char *name, const char *sub) { _putenv_s(name, (base / sub).string().c_str()); };
    set("XDG_DATA_HOME", "data");
    set("XDG_CONFIG_HOME", "config");
    set("XDG_RUNTIME_DIR", "runtime");
    set("HOME", "home");
    // Every program shares one registry: this one's keys go under a key of its own.
    const std::string registryRoot = "Software\\KavoTests\\" + base.filename().string();
    _putenv_s("KAVO_REGISTRY_ROOT", registryRoot.c_str());
    ::testing::InitGoogleMock(&argc, argv);
    const int result = RUN_ALL_TESTS();
    RegDeleteTreeA(HKEY_CURRENT_USER, registryRoot.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, registryRoot.c_str());
    std::filesystem::remove_all(base, error);
    return result;
}
