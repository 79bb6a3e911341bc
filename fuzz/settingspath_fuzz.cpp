// The settings path walk and the UTF-8 key conversion, on temporary hives.
// Input: one mode byte, one flags byte, then a path and a key separated by a
// newline.
#include "ipc/refcountedptr.h"
#include "ipc/textconvert.h"
#include "settings/kavosettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

char g_hiveDir[] = "/tmp/kavo-fuzz-settings-XXXXXX";

void removeHives()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_hiveDir, ignored);
}

// Temporary hives for the whole run, removed at exit.
void prepareHives()
{
    static const bool prepared = [] {
        if (!mkdtemp(g_hiveDir))
            std::abort();
        const std::string d(g_hiveDir);
        setenv("KAVO_USER_HIVE", (d + "/user.db").c_str(), 1);
        setenv("KAVO_MACHINE_HIVE", (d + "/machine.db").c_str(), 1);
        std::atexit(removeHives);
        return true;
    }();
    (void)prepared;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

kvtl::WString lastSegment(const kvtl::WString &path)
{
    const auto sep = path.find_last_of(u"/\\");
    return sep == kvtl::WString::npos ? path : path.substr(sep + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    prepareHives();
    if (size < 2 || size > 4096)
        return 0;
    const auto mode = static_cast<kvds::SettingsAccessMode>(data[0] % 11);
    const uint8_t flags = data[1];
    const std::string rest(reinterpret_cast<const char *>(data + 2), size - 2);
    const auto newline = rest.find('\n');
    const std::string path = rest.substr(0, newline);
    const std::string key = newline == std::string::npos ? std::string() : rest.substr(newline + 1);

    // Conversion: whatever converts must come back unchanged up to its first zero.
    const kvtl::WString wideKey = kvtl::Utf8ToWide(key);
    if (!wideKey.empty())
        require(kvtl::WideToUtf8(wideKey) == key.substr(0, key.find('\0')));

    kvtl::RefCountedPtr<kvds::IKavoSettings> settings;
    if (!kvds::CreateSettings(path, mode, &settings)) {
        require(!settings);
        return 0;
    }
    require(settings && settings->GetRefCount() == 1);
    kvtl::WString name;
    settings->GetName(name);
    require(!name.empty() && name == lastSegment(kvtl::Utf8ToWide(path)));

    kvtl::RefCountedPtr<kvds::IKavoSettings> child;
    if (settings->OpenChild(path, &child)) {
        require(child && child->GetRefCount() >= 2);
        kvtl::WString childName;
        child->GetName(childName);
        require(childName == lastSegment(kvtl::Utf8ToWide(path)));
    }

    // A key that converts behaves like its wide form; one that does not fails.
    const bool stored = settings->SetString(key, key);
    if (wideKey.empty())
        require(!stored);
    if (stored) {
        std::string back;
        require(settings->GetString(key, back));
        require(back == key.substr(0, key.find('\0')));
        bool flag = false;
        require(!settings->GetBool(key, flag)); // text is never read as a bool
    }
    std::set<std::string> names;
    settings->GetValueNames(names);
    if (flags & 1)
        settings->DeleteKey();
    return 0;
}
