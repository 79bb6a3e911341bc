#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "settings/registry.h"
#include "tests/settings/hivefixture.h"

#include <cstring>

using kvds::IKavoSettings;
using kvtl::RefCountedPtr;

namespace {

const kvtl::WString GeneralPath = u"SOFTWARE\\Kavo\\Settings\\Test\\General";

struct Raw
{
    uint32_t type = 0;
    std::string bytes;
};

bool rawValue(kvreg::Root root, const kvtl::WString &path, const kvtl::WString &name, Raw &out)
{
    kvreg::RegKey key;
    if (kvreg::OpenKey(root, path, kvreg::Access::Read, key) != ERROR_SUCCESS)
        return false;
    uint32_t size = 0;
    if (kvreg::QueryValue(key, name, &out.type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    out.bytes.assign(size, '\0');
    return kvreg::QueryValue(key, name, &out.type, out.bytes.data(), &size) == ERROR_SUCCESS;
}

void putRaw(kvreg::Root root, const kvtl::WString &path, const kvtl::WString &name, uint32_t type,
    const std::string &bytes)
{
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(root, path, key), ERROR_SUCCESS);
    ASSERT_EQ(
        kvreg::SetValue(key, name, type, bytes.data(), static_cast<uint32_t>(bytes.size())), ERROR_SUCCESS);
}

std::string bytesOf(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

class KavoSettingsTest : public HiveTest
{
protected:
    // The "General" section of a test component, in the given mode.
    RefCountedPtr<IKavoSettings> section(kvds::SettingsAccessMode mode = kvds::CreateUserOpenMachine)
    {
        RefCountedPtr<IKavoSettings> out;
        EXPECT_TRUE(kvds::CreateSettings("Settings/Test/General", mode, &out));
        return out;
    }
};

} // namespace

TEST_F(KavoSettingsTest, IntegersAreStoredAsQwordsWithTheirExtension)
{
    auto s = section();
    ASSERT_TRUE(s);
    ASSERT_TRUE(s->SetInt("Minus", -1));
    ASSERT_TRUE(s->SetUInt("Max", 0xFFFFFFFFu));
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Minus", raw));
    EXPECT_EQ(raw.type, REG_QWORD);
    EXPECT_EQ(raw.bytes, std::string(8, '\xFF'));
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Max", raw));
    EXPECT_EQ(raw.type, REG_QWORD);
    EXPECT_EQ(raw.bytes, bytesOf({ 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0 }));

    int32_t i = 0;
    uint32_t u = 0;
    EXPECT_TRUE(s->GetInt("Minus", i));
    EXPECT_EQ(i, -1);
    EXPECT_TRUE(s->GetUInt("Max", u));
    EXPECT_EQ(u, 0xFFFFFFFFu);
    int64_t i64 = 0;
    EXPECT_TRUE(s->GetInt64("Max", i64));
    EXPECT_EQ(i64, 0xFFFFFFFFll);
    EXPECT_TRUE(s->SetInt64(u"Big", -5));
    EXPECT_TRUE(s->GetInt64(u"big", i64));
    EXPECT_EQ(i64, -5);
    uint64_t u64 = 0;
    EXPECT_TRUE(s->SetUInt64("Huge", 0x0123456789ABCDEFull));
    EXPECT_TRUE(s->GetUInt64("HUGE", u64));
    EXPECT_EQ(u64, 0x0123456789ABCDEFull);
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Huge", raw));
    EXPECT_EQ(raw.bytes, bytesOf({ 0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01 }));
}

TEST_F(KavoSettingsTest, BoolIsADwordAndOnlyADwordReadsAsBool)
{
    auto s = section();
    ASSERT_TRUE(s->SetBool("On", true));
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"On", raw));
    EXPECT_EQ(raw.type, REG_DWORD);
    EXPECT_EQ(raw.bytes, bytesOf({ 1, 0, 0, 0 }));
    ASSERT_TRUE(s->SetBool("Off", false));
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Off", raw));
    EXPECT_EQ(raw.bytes, bytesOf({ 0, 0, 0, 0 }));

    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Five", REG_DWORD, bytesOf({ 5, 0, 0, 0 }));
    bool value = false;
    EXPECT_TRUE(s->GetBool("Five", value));
    EXPECT_TRUE(value);

    ASSERT_TRUE(s->SetQWord("Wide", 0));
    value = true;
    EXPECT_FALSE(s->GetBool("Wide", value));
    EXPECT_TRUE(value);
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Short", REG_DWORD, bytesOf({ 0, 0 }));
    EXPECT_FALSE(s->GetBool("Short", value));
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Text", REG_SZ, bytesOf({ '0', 0, 0, 0 }));
    EXPECT_FALSE(s->GetBool("Text", value));
    EXPECT_TRUE(value);
}

TEST_F(KavoSettingsTest, QwordReadOfADwordZeroExtends)
{
    auto s = section();
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"D", REG_DWORD, bytesOf({ 7, 0, 0, 0 }));
    uint64_t q = ~0ull;
    ASSERT_TRUE(s->GetQWord("D", q));
    EXPECT_EQ(q, 7u);
    int64_t i64 = -1;
    ASSERT_TRUE(s->GetInt64("D", i64));
    EXPECT_EQ(i64, 7);
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"High", REG_DWORD, bytesOf({ 0, 0, 0, 0x80 }));
    ASSERT_TRUE(s->GetInt64("High", i64));
    EXPECT_EQ(i64, 0x80000000ll);
}

TEST_F(KavoSettingsTest, WrongTypesAndSizesFailAndLeaveTheDefault)
{
    auto s = section();
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"D", REG_DWORD, bytesOf({ 1, 2, 3, 4 }));
    double d = 1.5;
    EXPECT_FALSE(s->GetDouble("D", d));
    EXPECT_EQ(d, 1.5);
    ASSERT_TRUE(s->SetQWord("Q", 0x1122334455667788ull));
    float f = 2.5f;
    EXPECT_FALSE(s->GetFloat("Q", f));
    EXPECT_EQ(f, 2.5f);
    // Eight bytes of another type fit a double's storage but are not a double.
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"B8", REG_BINARY, std::string(8, '\x11'));
    EXPECT_FALSE(s->GetDouble("B8", d));
    EXPECT_EQ(d, 1.5);
    uint64_t q = 42;
    EXPECT_FALSE(s->GetQWord("B8", q));
    EXPECT_EQ(q, 42u);
    int64_t i64 = 42;
    EXPECT_FALSE(s->GetInt64("B8", i64));
    EXPECT_EQ(i64, 42);
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Odd", REG_QWORD, std::string(6, '\x01'));
    EXPECT_FALSE(s->GetQWord("Odd", q));
    EXPECT_EQ(q, 42u);
    std::string text = "keep";
    EXPECT_FALSE(s->GetString("Q", text));
    EXPECT_EQ(text, "keep");
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Expand", REG_EXPAND_SZ, bytesOf({ 'a', 0, 0, 0 }));
    EXPECT_FALSE(s->GetString("Expand", text));
    kvtl::MemoryBuffer<unsigned char> buffer;
    buffer.Resize(3, true);
    EXPECT_FALSE(s->GetBinary("Q", buffer));
    EXPECT_EQ(buffer.Size(), 3u);
}

TEST_F(KavoSettingsTest, FloatAndDoubleKeepTheirBits)
{
    auto s = section();
    ASSERT_TRUE(s->SetFloat("F", 0.1f));
    ASSERT_TRUE(s->SetDouble("D", -2.75));
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"F", raw));
    EXPECT_EQ(raw.type, REG_DWORD);
    EXPECT_EQ(raw.bytes, bytesOf({ 0xCD, 0xCC, 0xCC, 0x3D }));
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"D", raw));
    EXPECT_EQ(raw.type, REG_QWORD);
    EXPECT_EQ(raw.bytes, bytesOf({ 0, 0, 0, 0, 0, 0, 0x06, 0xC0 }));
    float f = 0;
    double d = 0;
    EXPECT_TRUE(s->GetFloat("F", f));
    EXPECT_EQ(f, 0.1f);
    EXPECT_TRUE(s->GetDouble("D", d));
    EXPECT_EQ(d, -2.75);
    uint64_t q = 0;
    EXPECT_TRUE(s->GetQWord("F", q)); // a REG_DWORD reads as an integer too
    EXPECT_EQ(q, 0x3DCCCCCDu);
}

TEST_F(KavoSettingsTest, StringsAreUtf16WithTheirTerminator)
{
    auto s = section();
    ASSERT_TRUE(s->SetString("Empty", ""));
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Empty", raw));
    EXPECT_EQ(raw.type, REG_SZ);
    EXPECT_EQ(raw.bytes, bytesOf({ 0, 0 }));
    std::string text = "x";
    EXPECT_TRUE(s->GetString("Empty", text));
    EXPECT_EQ(text, "");

    ASSERT_TRUE(s->SetString(u"Name", u"A\u00e9\U0001F600"));
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Name", raw));
    EXPECT_EQ(raw.bytes, bytesOf({ 'A', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE, 0, 0 }));
    EXPECT_TRUE(s->GetString("name", text));
    EXPECT_EQ(text, "A\xC3\xA9\xF0\x9F\x98\x80");
    kvtl::WString wide;
    EXPECT_TRUE(s->GetString(u"NAME", wide));
    EXPECT_EQ(wide, u"A\u00e9\U0001F600");
    ASSERT_TRUE(s->SetString("Utf8", std::string("\xC3\xA9t\xC3\xA9")));
    EXPECT_TRUE(s->GetString(u"Utf8", wide));
    EXPECT_EQ(wide, u"\u00e9t\u00e9");
    ASSERT_TRUE(s->SetString(u"Mixed", std::string("ok")));
    ASSERT_TRUE(s->SetString("Mixed2", kvtl::WString(u"ok")));
    EXPECT_TRUE(s->GetString("Mixed2", wide));
    EXPECT_EQ(wide, u"ok");

    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Zero", REG_SZ, std::string());
    text = "keep";
    EXPECT_FALSE(s->GetString("Zero", text));
    EXPECT_EQ(text, "keep");
    // Without a terminator the stored units still read back.
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"Bare", REG_SZ, bytesOf({ 'h', 0, 'i', 0 }));
    EXPECT_TRUE(s->GetString("Bare", text));
    EXPECT_EQ(text, "hi");
}

TEST_F(KavoSettingsTest, TextThatDoesNotConvertIsRefusedNotEmptied)
{
    auto s = section();
    ASSERT_TRUE(s->SetString("T", "old"));
    EXPECT_FALSE(s->SetString("T", std::string("\xC3")));
    EXPECT_FALSE(s->SetString(u"T", std::string("\xFF\xFE")));
    std::string text;
    EXPECT_TRUE(s->GetString("T", text));
    EXPECT_EQ(text, "old");
    // A stored text ending in half a surrogate pair cannot be given as UTF-8.
    ASSERT_TRUE(s->SetString(u"Half", kvtl::WString(u"ab\xD800")));
    text = "keep";
    EXPECT_FALSE(s->GetString("Half", text));
    EXPECT_EQ(text, "keep");
    kvtl::WString wide;
    EXPECT_TRUE(s->GetString("Half", wide));
    EXPECT_EQ(wide.size(), 3u);
}

TEST_F(KavoSettingsTest, BinaryValuesRoundTrip)
{
    auto s = section();
    const unsigned char data[5] = { 0, 1, 2, 0xFE, 0xFF };
    ASSERT_TRUE(s->SetBinary("Bytes", data, 5));
    kvtl::MemoryBuffer<unsigned char> buffer;
    ASSERT_TRUE(s->GetBinary("Bytes", buffer));
    ASSERT_EQ(buffer.Size(), 5u);
    EXPECT_EQ(std::memcmp(buffer.Data(), data, 5), 0);
    EXPECT_FALSE(s->SetBinary("Null", nullptr, 3));
    ASSERT_TRUE(s->SetBinary(u"Nothing", nullptr, 0));
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"Nothing", raw));
    EXPECT_EQ(raw.type, REG_BINARY);
    EXPECT_TRUE(raw.bytes.empty());
    EXPECT_FALSE(s->GetBinary("Nothing", buffer)); // a 0-byte value does not read
    EXPECT_EQ(buffer.Size(), 5u);
}

TEST_F(KavoSettingsTest, EmptyAndMalformedKeysFail)
{
    auto s = section();
    EXPECT_FALSE(s->SetBool("", true));
    EXPECT_FALSE(s->SetBool(kvtl::WString(), true));
    EXPECT_FALSE(s->SetBool(std::string("\xE2\x82"), true));
    EXPECT_FALSE(s->SetInt(std::string("\xED\xA0\x80"), 1));
    bool value = true;
    EXPECT_FALSE(s->GetBool(std::string("\x80"), value));
    EXPECT_FALSE(s->DeleteValue(""));
    int32_t count = -1;
    ASSERT_TRUE(s->GetValueCount(count));
    EXPECT_EQ(count, 0);
}

TEST_F(KavoSettingsTest, DeleteValueRemovesFromThePrimaryKeyOnly)
{
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"Flag", REG_DWORD, bytesOf({ 0, 0, 0, 0 }));
    auto s = section();
    ASSERT_TRUE(s->SetBool("Flag", true));
    EXPECT_TRUE(s->DeleteValue(u"FLAG"));
    bool value = true;
    EXPECT_TRUE(s->GetBool("Flag", value)); // the machine value shows again
    EXPECT_FALSE(value);
    EXPECT_FALSE(s->DeleteValue("Flag"));
}

TEST_F(KavoSettingsTest, Mode8FallsBackToTheMachineHiveUntilTheUserSetsAValue)
{
    const std::string dword = bytesOf({ 9, 0, 0, 0 });
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"N", REG_DWORD, dword);
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"Q", REG_QWORD, bytesOf({ 1, 0, 0, 0, 0, 0, 0, 0 }));
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"S", REG_SZ, bytesOf({ 'm', 0, 0, 0 }));
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"B", REG_BINARY, bytesOf({ 7 }));
    auto s = section(kvds::CreateUserOpenMachine);
    bool b = false;
    EXPECT_TRUE(s->GetBool("N", b));
    EXPECT_TRUE(b);
    float f = 0;
    EXPECT_TRUE(s->GetFloat("N", f));
    uint64_t q = 0;
    EXPECT_TRUE(s->GetQWord("N", q));
    EXPECT_EQ(q, 9u);
    int32_t i = 0;
    EXPECT_TRUE(s->GetInt("Q", i));
    EXPECT_EQ(i, 1);
    uint32_t u = 0;
    EXPECT_TRUE(s->GetUInt("Q", u));
    int64_t i64 = 0;
    EXPECT_TRUE(s->GetInt64("Q", i64));
    uint64_t u64 = 0;
    EXPECT_TRUE(s->GetUInt64("Q", u64));
    double d = 0;
    EXPECT_TRUE(s->GetDouble("Q", d));
    std::string text;
    EXPECT_TRUE(s->GetString("S", text));
    EXPECT_EQ(text, "m");
    kvtl::MemoryBuffer<unsigned char> buffer;
    EXPECT_TRUE(s->GetBinary("B", buffer));
    ASSERT_EQ(buffer.Size(), 1u);

    ASSERT_TRUE(s->SetString("S", "user"));
    ASSERT_TRUE(s->SetBool("N", false));
    EXPECT_TRUE(s->GetString("S", text));
    EXPECT_EQ(text, "user");
    EXPECT_TRUE(s->GetBool("N", b));
    EXPECT_FALSE(b);
    // The machine hive was not written.
    Raw raw;
    ASSERT_TRUE(rawValue(kvreg::Root::LocalMachine, GeneralPath, u"N", raw));
    EXPECT_EQ(raw.bytes, dword);
    // A user value of the wrong type falls back too.
    ASSERT_TRUE(s->SetString("Q", "text"));
    EXPECT_TRUE(s->GetInt("Q", i));
    EXPECT_EQ(i, 1);
}

TEST_F(KavoSettingsTest, ModesWithoutFallbackDoNotLookAtTheOtherHive)
{
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"M", REG_DWORD, bytesOf({ 1, 0, 0, 0 }));
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"U", REG_DWORD, bytesOf({ 1, 0, 0, 0 }));
    bool b = false;
    auto user = section(kvds::OpenUser);
    ASSERT_TRUE(user);
    EXPECT_FALSE(user->GetBool("M", b));
    EXPECT_TRUE(user->GetBool("U", b));
    auto machine = section(kvds::ReadMachine);
    ASSERT_TRUE(machine);
    EXPECT_TRUE(machine->GetBool("M", b));
    EXPECT_FALSE(machine->GetBool("U", b));
    EXPECT_FALSE(machine->SetBool("M", false));
    auto machineRw = section(kvds::OpenMachine);
    ASSERT_TRUE(machineRw);
    EXPECT_TRUE(machineRw->SetBool("M2", true));
    Raw raw;
    EXPECT_TRUE(rawValue(kvreg::Root::LocalMachine, GeneralPath, u"M2", raw));
    EXPECT_FALSE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"M2", raw));
}

TEST_F(KavoSettingsTest, ReadOnlyModeRefusesEverySetter)
{
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"U", REG_DWORD, bytesOf({ 1, 0, 0, 0 }));
    auto s = section(kvds::ReadUser);
    ASSERT_TRUE(s);
    const unsigned char byte = 1;
    EXPECT_FALSE(s->SetQWord("x", 1));
    EXPECT_FALSE(s->SetInt("x", 1));
    EXPECT_FALSE(s->SetUInt("x", 1));
    EXPECT_FALSE(s->SetInt64("x", 1));
    EXPECT_FALSE(s->SetUInt64("x", 1));
    EXPECT_FALSE(s->SetFloat("x", 1));
    EXPECT_FALSE(s->SetDouble("x", 1));
    EXPECT_FALSE(s->SetBool("x", true));
    EXPECT_FALSE(s->SetString("x", "y"));
    EXPECT_FALSE(s->SetBinary("x", &byte, 1));
    EXPECT_FALSE(s->DeleteValue("U"));
    bool b = false;
    EXPECT_TRUE(s->GetBool("U", b));
    EXPECT_TRUE(b);
}

TEST_F(KavoSettingsTest, OpenModesNeedAnExistingKeyAndCreateModesMakeIt)
{
    RefCountedPtr<IKavoSettings> out;
    EXPECT_FALSE(kvds::CreateSettings("Settings/Missing", kvds::OpenUser, &out));
    EXPECT_FALSE(kvds::CreateSettings("Settings/Missing", kvds::ReadUser, &out));
    EXPECT_FALSE(kvds::CreateSettings("Settings/Missing", kvds::ReadUserAndMachine, &out));
    EXPECT_FALSE(kvds::CreateSettings("Settings/Missing", kvds::OpenMachine, &out));
    EXPECT_FALSE(out);
    EXPECT_TRUE(kvds::CreateSettings("Settings/Missing", kvds::CreateMachine, &out));
    EXPECT_TRUE(kvds::CreateSettings("Settings/Missing", kvds::ReadMachine, &out));
    EXPECT_FALSE(kvds::CreateSettings("Settings/Missing", kvds::ReadUser, &out));
    EXPECT_TRUE(kvds::CreateSettings("Settings/Missing", kvds::CreateUser, &out));
    EXPECT_TRUE(kvds::CreateSettings("Settings/Missing", kvds::ReadUser, &out));
    for (int mode : { 0, 10, -1 }) {
        EXPECT_FALSE(
            kvds::CreateSettings("Settings/Missing", static_cast<kvds::SettingsAccessMode>(mode), &out))
            << mode;
    }
}

TEST_F(KavoSettingsTest, MergedModeWithOnlyTheMachineKeyReadsButCannotWrite)
{
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"M", REG_DWORD, bytesOf({ 1, 0, 0, 0 }));
    for (auto mode : { kvds::OpenUserAndMachine, kvds::ReadUserAndMachine }) {
        auto s = section(mode);
        ASSERT_TRUE(s) << mode;
        bool b = false;
        EXPECT_TRUE(s->GetBool("M", b));
        EXPECT_TRUE(b);
        EXPECT_FALSE(s->SetBool("M", false));
        std::set<kvtl::WString> names;
        EXPECT_TRUE(s->GetValueNames(names));
        EXPECT_EQ(names, std::set<kvtl::WString> { u"M" });
        int32_t count = -1;
        EXPECT_FALSE(s->GetSubKeyCount(count)); // no user key to enumerate
        EXPECT_EQ(count, -1);
    }
    // Once the user key exists, mode 2 opens it at the next operation.
    auto s = section(kvds::OpenUserAndMachine);
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"U", REG_DWORD, bytesOf({ 0, 0, 0, 0 }));
    EXPECT_TRUE(s->SetBool("M", false));
    Raw raw;
    EXPECT_TRUE(rawValue(kvreg::Root::CurrentUser, GeneralPath, u"M", raw));
}

TEST_F(KavoSettingsTest, CreateSettingsKeepsTheFullPathAndTheLastName)
{
    RefCountedPtr<IKavoSettings> s;
    ASSERT_TRUE(kvds::CreateSettings("Settings\\Comp/General", kvds::CreateUser, &s));
    EXPECT_EQ(s->GetRefCount(), 1);
    std::string name;
    EXPECT_TRUE(s->GetName(name));
    EXPECT_EQ(name, "General");
    kvtl::WString wide;
    EXPECT_TRUE(s->GetName(wide));
    EXPECT_EQ(wide, u"General");
    EXPECT_EQ(static_cast<kvds::KavoSettings *>(s.get())->Path(), u"SOFTWARE\\Kavo\\Settings\\Comp\\General");
    kvreg::RegKey key;
    EXPECT_EQ(kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Comp\\General",
                  kvreg::Access::Read, key),
        ERROR_SUCCESS);
    EXPECT_TRUE(kvds::CreateSettings("Settings/Comp", kvds::CreateUser, nullptr));
}

TEST_F(KavoSettingsTest, CreateSettingsRefusesEmptySegments)
{
    RefCountedPtr<IKavoSettings> s;
    EXPECT_FALSE(kvds::CreateSettings("", kvds::CreateUser, &s));
    EXPECT_FALSE(kvds::CreateSettings("Settings/", kvds::CreateUser, &s));
    EXPECT_FALSE(kvds::CreateSettings("/Settings", kvds::CreateUser, &s));
    EXPECT_FALSE(kvds::CreateSettings("Settings//General", kvds::CreateUser, &s));
    EXPECT_FALSE(kvds::CreateSettings("Settings\\\\General", kvds::CreateUser, &s));
    EXPECT_FALSE(kvds::CreateSettings(std::string("Settings/\xC0\xAF"), kvds::CreateUser, &s));
    EXPECT_FALSE(s);
    // Nothing was made below SOFTWARE\Kavo.
    kvreg::RegKey kavo;
    if (kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo", kvreg::Access::Read, kavo)
        == ERROR_SUCCESS) {
        uint32_t subKeys = 0;
        ASSERT_EQ(kvreg::QueryInfoKey(kavo, &subKeys, nullptr, nullptr), ERROR_SUCCESS);
        EXPECT_EQ(subKeys, 0u);
    }
}

TEST_F(KavoSettingsTest, OverlyDeepPathsAreRefused)
{
    std::string deep = "Settings";
    for (int i = 0; i < 600; ++i)
        deep += "/d";
    RefCountedPtr<IKavoSettings> s;
    EXPECT_FALSE(kvds::CreateSettings(deep, kvds::CreateUser, &s));
    ASSERT_TRUE(kvds::CreateSettings("Settings", kvds::CreateUser, &s));
    EXPECT_FALSE(s->OpenChild(deep, nullptr));
}

TEST_F(KavoSettingsTest, OpenChildCachesByExactName)
{
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUserOpenMachine, &component));
    RefCountedPtr<IKavoSettings> first;
    RefCountedPtr<IKavoSettings> second;
    ASSERT_TRUE(component->OpenChild("General", &first));
    EXPECT_EQ(first->GetRefCount(), 2); // the cache and ours
    ASSERT_TRUE(component->OpenChild(u"General", &second));
    EXPECT_EQ(first.get(), second.get());
    RefCountedPtr<IKavoSettings> lower;
    ASSERT_TRUE(component->OpenChild("general", &lower));
    EXPECT_NE(lower.get(), first.get());
    ASSERT_TRUE(first->SetInt("Shared", 3));
    int32_t value = 0;
    EXPECT_TRUE(lower->GetInt("SHARED", value));
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(component->OpenChild("General", nullptr));

    RefCountedPtr<IKavoSettings> deep;
    ASSERT_TRUE(component->OpenChild("A/B\\C", &deep));
    RefCountedPtr<IKavoSettings> a;
    RefCountedPtr<IKavoSettings> viaA;
    ASSERT_TRUE(component->OpenChild("A", &a));
    ASSERT_TRUE(a->OpenChild("B/C", &viaA));
    EXPECT_EQ(viaA.get(), deep.get());
    EXPECT_EQ(
        static_cast<kvds::KavoSettings *>(deep.get())->Path(), u"SOFTWARE\\Kavo\\Settings\\Test\\A\\B\\C");
}

TEST_F(KavoSettingsTest, OpenChildRefusesEmptySegments)
{
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUser, &component));
    RefCountedPtr<IKavoSettings> child;
    EXPECT_FALSE(component->OpenChild("", &child));
    EXPECT_FALSE(component->OpenChild(kvtl::WString(), &child));
    EXPECT_FALSE(component->OpenChild("/General", &child));
    EXPECT_FALSE(component->OpenChild("General//Deep", &child));
    EXPECT_FALSE(component->OpenChild("General/", &child));
    EXPECT_FALSE(component->OpenChild("General\\", &child));
    EXPECT_FALSE(component->OpenChild("/General", &child)); // again, with the empty child cached
    EXPECT_FALSE(component->OpenChild(std::string("\xF8\x88\x80\x80\x80"), &child));
    EXPECT_FALSE(child);
}

TEST_F(KavoSettingsTest, AChildThatFailedToOpenIsHandedOutAgainAndRetries)
{
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUser, &component));
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::OpenUser, &component));
    RefCountedPtr<IKavoSettings> child;
    EXPECT_FALSE(component->OpenChild("Later", &child));
    EXPECT_FALSE(child);
    ASSERT_TRUE(component->OpenChild("Later", &child));
    bool b = false;
    EXPECT_FALSE(child->SetBool("x", true));
    EXPECT_FALSE(child->GetBool("x", b));
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Test\\Later", key),
        ERROR_SUCCESS);
    EXPECT_TRUE(child->SetBool("x", true));
    EXPECT_TRUE(child->GetBool("x", b));
    EXPECT_TRUE(b);
}

TEST_F(KavoSettingsTest, SubkeyNamesMergeAcrossHives)
{
    kvreg::RegKey key;
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Test\\General", key),
        ERROR_SUCCESS);
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Test\\UserOnly", key),
        ERROR_SUCCESS);
    ASSERT_EQ(kvreg::CreateKey(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo\\Settings\\Test\\General", key),
        ERROR_SUCCESS);
    ASSERT_EQ(
        kvreg::CreateKey(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo\\Settings\\Test\\MachineOnly", key),
        ERROR_SUCCESS);
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUserOpenMachine, &component));
    int32_t count = 0;
    ASSERT_TRUE(component->GetSubKeyCount(count));
    EXPECT_EQ(count, 3);

    std::set<kvtl::WString> wide { u"stale" };
    ASSERT_TRUE(component->GetSubKeyNames(wide));
    EXPECT_EQ(wide, (std::set<kvtl::WString> { u"General", u"MachineOnly", u"UserOnly" }));
    std::set<std::string> utf8 { "kept" };
    ASSERT_TRUE(component->GetSubKeyNames(utf8));
    EXPECT_EQ(utf8, (std::set<std::string> { "General", "MachineOnly", "UserOnly", "kept" }));

    RefCountedPtr<IKavoSettings> userOnly;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::OpenUser, &userOnly));
    ASSERT_TRUE(userOnly->GetSubKeyCount(count));
    EXPECT_EQ(count, 2);
}

TEST_F(KavoSettingsTest, ValueNamesSkipTheDefaultValueAndStopAtOverlongNames)
{
    // Mode 8 looks for the machine key only when it opens the user key.
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"A", REG_DWORD, bytesOf({ 0, 0, 0, 0 }));
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"m", REG_DWORD, bytesOf({ 0, 0, 0, 0 }));
    auto s = section();
    ASSERT_TRUE(s->SetBool("b", true));
    ASSERT_TRUE(s->SetBool("a", true));
    putRaw(kvreg::Root::CurrentUser, GeneralPath, u"", REG_SZ, bytesOf({ 'd', 0, 0, 0 }));
    std::set<kvtl::WString> names { u"stale" };
    ASSERT_TRUE(s->GetValueNames(names));
    // "A" from the machine hive is a name of its own spelling in the set.
    EXPECT_EQ(names, (std::set<kvtl::WString> { u"A", u"a", u"b", u"m" }));
    std::set<std::string> utf8 { "kept" };
    ASSERT_TRUE(s->GetValueNames(utf8));
    EXPECT_EQ(utf8.count("kept"), 1u);
    EXPECT_EQ(utf8.size(), 5u);

    auto user = section(kvds::OpenUser);
    int32_t count = 0;
    ASSERT_TRUE(user->GetValueCount(count));
    EXPECT_EQ(count, 2);
    // Names sort after "b" so that the long one ends the walk before them.
    ASSERT_TRUE(user->SetBool(u"c" + kvtl::WString(1022, u'x'), true));
    ASSERT_TRUE(user->GetValueCount(count));
    EXPECT_EQ(count, 3);
    ASSERT_TRUE(user->SetBool(u"d" + kvtl::WString(1023, u'x'), true));
    ASSERT_TRUE(user->SetBool(u"e", true));
    ASSERT_TRUE(user->GetValueCount(count));
    EXPECT_EQ(count, 3);
}

TEST_F(KavoSettingsTest, DeleteKeyInMode8DeletesTheUserTreeOnly)
{
    putRaw(kvreg::Root::LocalMachine, GeneralPath, u"M", REG_DWORD, bytesOf({ 1, 0, 0, 0 }));
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUserOpenMachine, &component));
    RefCountedPtr<IKavoSettings> general;
    ASSERT_TRUE(component->OpenChild("General/Deeper", &general));
    ASSERT_TRUE(general->SetBool("U", true));
    const int32_t before = general->GetRefCount();
    ASSERT_TRUE(component->DeleteKey());
    EXPECT_EQ(general->GetRefCount(), before - 1); // the cache let go of it

    kvreg::RegKey key;
    EXPECT_EQ(
        kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Test", kvreg::Access::Read, key),
        ERROR_FILE_NOT_FOUND);
    Raw raw;
    EXPECT_TRUE(rawValue(kvreg::Root::LocalMachine, GeneralPath, u"M", raw));

    // The object creates its key again at the next operation.
    ASSERT_TRUE(component->SetBool("Again", true));
    EXPECT_EQ(
        kvreg::OpenKey(kvreg::Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\Test", kvreg::Access::Read, key),
        ERROR_SUCCESS);
    // The old child's handle points at the deleted key and fails until reopened.
    bool b = false;
    EXPECT_FALSE(general->GetBool("U", b));
}

TEST_F(KavoSettingsTest, DeleteKeyOfANeverOpenedObjectFails)
{
    RefCountedPtr<IKavoSettings> component;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::CreateUser, &component));
    RefCountedPtr<IKavoSettings> child;
    ASSERT_TRUE(kvds::CreateSettings("Settings/Test", kvds::OpenUser, &component));
    EXPECT_FALSE(component->OpenChild("Missing", &child));
    ASSERT_TRUE(component->OpenChild("Missing", &child));
    EXPECT_FALSE(child->DeleteKey());
}

TEST_F(KavoSettingsTest, DeleteKeyOfAMachineObjectWalksTheTree)
{
    kvreg::RegKey key;
    for (const char16_t *path :
        { u"SOFTWARE\\Kavo\\M\\A\\X", u"SOFTWARE\\Kavo\\M\\A\\Y", u"SOFTWARE\\Kavo\\M\\B" })
        ASSERT_EQ(kvreg::CreateKey(kvreg::Root::LocalMachine, path, key), ERROR_SUCCESS);
    key.Close();
    RefCountedPtr<IKavoSettings> m;
    ASSERT_TRUE(kvds::CreateSettings("M", kvds::OpenMachine, &m));
    EXPECT_TRUE(m->DeleteKey());
    EXPECT_EQ(kvreg::OpenKey(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo\\M", kvreg::Access::Read, key),
        ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(m->DeleteKey()); // nothing left to delete
    ASSERT_EQ(kvreg::OpenKey(kvreg::Root::LocalMachine, u"SOFTWARE\\Kavo", kvreg::Access::Read, key),
        ERROR_SUCCESS);
}
