// A child process for the multi-process settings tests.
//   settings_helper write-many PREFIX COUNT      SetUInt(PREFIX<i>, i) under Settings/Shared/General
//   settings_helper write-forever                keeps writing under Settings/Kill/General; says "ready"
//   settings_helper set-bool COMPONENT VALUE     WriteBoolSetting("General",
//   "TransferDevicesConfirmDeletions") settings_helper [--as-nobody] readonly-hives READONLY_USER_HIVE
//   WRITABLE_USER_HIVE
//                                                checks what read-only hives allow; prints FAIL lines
//   settings_helper [--as-nobody] exec PROGRAM ARGS...   runs PROGRAM
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/registry.h"
#include "settings/settingsholder.h"

#ifndef _WIN32
#include <grp.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using kvtl::RefCountedPtr;

std::string g_component;

std::string component()
{
    return g_component;
}

int writeMany(const std::string &prefix, int count)
{
    RefCountedPtr<kvds::IKavoSettings> s;
    if (!kvds::CreateSettings("Settings/Shared/General", kvds::CreateUser, &s))
        return 1;
    for (int i = 0; i < count; ++i) {
        if (!s->SetUInt(prefix + std::to_string(i), static_cast<uint32_t>(i))) {
            std::fprintf(stderr, "write %d failed\n", i);
            return 1;
        }
    }
    return 0;
}

int writeForever()
{
    RefCountedPtr<kvds::IKavoSettings> s;
    if (!kvds::CreateSettings("Settings/Kill/General", kvds::CreateUser, &s))
        return 1;
    const std::string block(16384, 'k');
    for (uint32_t i = 0;; ++i) {
        RefCountedPtr<kvds::IKavoSettings> child;
        if (!s->OpenChild("Sub" + std::to_string(i % 7), &child))
            return 1;
        if (!child->SetBinary("v" + std::to_string(i % 50),
                reinterpret_cast<const unsigned char *>(block.data()), static_cast<uint32_t>(block.size()))
            || !s->SetUInt("counter", i))
            return 1;
        if (i % 20 == 19 && !child->DeleteKey())
            return 1;
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}

int setBool(const std::string &componentId, bool value)
{
    g_component = componentId;
    kvds::SettingsHolder holder(&component);
    return holder.WriteBoolSetting("General", "TransferDevicesConfirmDeletions", value) ? 0 : 1;
}

#ifndef _WIN32
// The hive files and their permissions are the POSIX back end's own.
int g_failures = 0;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::printf("FAIL %s\n", what);
        ++g_failures;
    }
}

int readonlyHives(const char *readOnlyUser, const char *writableUser)
{
    setenv("KAVO_USER_HIVE", readOnlyUser, 1);
    RefCountedPtr<kvds::IKavoSettings> s;
    check(!kvds::CreateSettings("Settings/RO/General", kvds::OpenUser, &s),
        "read-write open of a read-only user hive");
    check(!kvds::CreateSettings("Settings/RO/General", kvds::CreateUser, &s),
        "create in a read-only user hive");
    kvreg::RegKey key;
    check(kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\RO\\General",
              kvreg::Access::ReadWrite, key)
            == ERROR_ACCESS_DENIED,
        "read-write backend open says access denied");
    bool value = false;
    check(kvds::CreateSettings("Settings/RO/General", kvds::ReadUser, &s),
        "read-only open of a read-only user hive");
    check(s && s->GetBool("U", value) && value, "read from a read-only user hive");
    check(s && !s->SetBool("U", false), "no write through a read-only object");

    check(!kvds::CreateSettings("Settings/RO/General", kvds::OpenMachine, &s),
        "read-write open of the machine hive");
    check(
        !kvds::CreateSettings("Settings/RO/General", kvds::CreateMachine, &s), "create in the machine hive");
    check(kvds::CreateSettings("Settings/RO/General", kvds::ReadMachine, &s),
        "read-only open of the machine hive");
    value = true;
    check(s && s->GetBool("Flag", value) && !value, "read from the machine hive");

    // The plug-in's mode reads the machine value although it may not write there.
    setenv("KAVO_USER_HIVE", writableUser, 1);
    g_component = "RO";
    kvds::SettingsHolder holder(&component);
    check(!holder.ReadBoolSetting(true, "General", "Flag"), "mode 8 falls back to a read-only machine hive");
    check(holder.WriteBoolSetting("General", "Flag", true), "mode 8 writes the user hive");
    check(holder.ReadBoolSetting(false, "General", "Flag"), "the user value shadows the machine one");
    return g_failures;
}

bool dropToNobody()
{
    if (geteuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && geteuid() == 65534;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    int first = 1;
#ifndef _WIN32
    if (argc > 1 && std::strcmp(argv[1], "--as-nobody") == 0) {
        if (!dropToNobody()) {
            std::puts("FAIL could not drop privileges");
            return 3;
        }
        ++first;
    }
#endif
    const int rest = argc - first;
    const std::string command = rest > 0 ? argv[first] : "";
    if (command == "write-many" && rest == 3)
        return writeMany(argv[first + 1], std::atoi(argv[first + 2]));
    if (command == "write-forever" && rest == 1)
        return writeForever();
    if (command == "set-bool" && rest == 3)
        return setBool(argv[first + 1], std::strcmp(argv[first + 2], "true") == 0);
#ifndef _WIN32
    if (command == "exec" && rest > 1) {
        execv(argv[first + 1], argv + first + 1);
        return 4;
    }
    if (command == "readonly-hives" && rest == 3)
        return readonlyHives(argv[first + 1], argv[first + 2]);
#endif
    std::fputs("usage: settings_helper [--as-nobody] COMMAND ARGS...\n", stderr);
    return 2;
}
