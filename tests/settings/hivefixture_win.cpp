#include "tests/settings/hivefixture.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>

namespace {

std::string variable(const char *name)
{
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

void deleteBoth(const std::string &root)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, root.c_str());
}

} // namespace

// m_dir holds the test's root key; the test main gives the process its own.
void HiveTest::SetUp()
{
    static std::atomic<int> counter { 0 };
    m_oldRoot = variable("KAVO_REGISTRY_ROOT");
    const std::string base = m_oldRoot.empty() ? "Software\\KavoTests" : m_oldRoot;
    m_dir = base + "\\Test" + std::to_string(GetCurrentProcessId()) + '-' + std::to_string(++counter);
    deleteBoth(m_dir);
    _putenv_s("KAVO_REGISTRY_ROOT", m_dir.c_str());
}

void HiveTest::TearDown()
{
    _putenv_s("KAVO_REGISTRY_ROOT", m_oldRoot.c_str());
    deleteBoth(m_dir);
}

// A volatile key takes no lasting subkeys: the root becomes one.
void HiveTest::blockUserHive()
{
    deleteBoth(m_dir);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_dir.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE,
                  nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

void HiveTest::unblockUserHive()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_dir.c_str());
}
