#include "settings/registry.h"
#include "tests/settings/hivefixture.h"

#include <cstring>

using namespace kvreg;

namespace {

class RegistryTest : public HiveTest
{
};

uint32_t dword(const RegKey &key, const kvtl::WString &name)
{
    uint32_t value = 0xDEADBEEF;
    uint32_t size = 4;
    uint32_t type = 0;
    EXPECT_EQ(QueryValue(key, name, &type, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    return value;
}

// Two handles name one key when a value set through the first shows through
// the second.
bool sameKey(const RegKey &writer, const RegKey &other)
{
    static uint32_t stamp = 0;
    ++stamp;
    if (SetValue(writer, u"SameKeyStamp", REG_DWORD, &stamp, 4) != ERROR_SUCCESS)
        return false;
    uint32_t seen = 0;
    uint32_t size = 4;
    const bool same
        = QueryValue(other, u"SameKeyStamp", nullptr, &seen, &size) == ERROR_SUCCESS && seen == stamp;
    DeleteValue(writer, u"SameKeyStamp");
    return same;
}

} // namespace

TEST_F(RegistryTest, MissingHiveIsNotFoundAndNotCreated)
{
    RegKey key;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo", Access::Read, key), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(key.IsOpen());
}

TEST_F(RegistryTest, CreateThenOpenIgnoresCaseButKeepsIt)
{
    RegKey created;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings\\MixedCase", created), ERROR_SUCCESS);
    RegKey opened;
    ASSERT_EQ(OpenKey(Root::CurrentUser, u"software\\KAVO\\settings\\mixedcase", Access::ReadWrite, opened),
        ERROR_SUCCESS);
    EXPECT_TRUE(sameKey(created, opened));

    RegKey parent;
    ASSERT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Settings", Access::Read, parent), ERROR_SUCCESS);
    char16_t name[64];
    uint32_t length = 64;
    ASSERT_EQ(EnumKey(parent, 0, name, &length), ERROR_SUCCESS);
    EXPECT_EQ(kvtl::WString(name, length), u"MixedCase");
    length = 64;
    EXPECT_EQ(EnumKey(parent, 1, name, &length), ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, NonAsciiNamesFoldUnitByUnit)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\\u00e4\u03c9", key), ERROR_SUCCESS);
    RegKey upper;
    EXPECT_EQ(
        OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\\u00c4\u03a9", Access::Read, upper), ERROR_SUCCESS);
    EXPECT_TRUE(sameKey(key, upper));
    // Sharp s has no single-unit capital, so "SS" is another name.
    RegKey sharp;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\\u00df", sharp), ERROR_SUCCESS);
    RegKey ss;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\SS", Access::Read, ss), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, EmptySegmentsAndOverlongNamesAreRefused)
{
    RegKey key;
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"\\SOFTWARE", key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\\\Kavo", key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\", key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(
        CreateKey(Root::CurrentUser, u"SOFTWARE\\" + kvtl::WString(256, u'k'), key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\" + kvtl::WString(255, u'k'), key), ERROR_SUCCESS);
}

TEST_F(RegistryTest, QueryReportsSizeAndRefusesSmallBuffers)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\V", key), ERROR_SUCCESS);
    const unsigned char bytes[6] = { 1, 2, 3, 4, 5, 6 };
    ASSERT_EQ(SetValue(key, u"Blob", REG_BINARY, bytes, 6), ERROR_SUCCESS);

    uint32_t type = 0;
    uint32_t size = 0;
    ASSERT_EQ(QueryValue(key, u"blob", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 6u);

    unsigned char small[4] = { 9, 9, 9, 9 };
    size = 4;
    EXPECT_EQ(QueryValue(key, u"Blob", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(small[0], 9);

    unsigned char big[8] = {};
    size = 8;
    ASSERT_EQ(QueryValue(key, u"BLOB", &type, big, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::memcmp(big, bytes, 6), 0);
    EXPECT_EQ(QueryValue(key, u"Missing", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, OverwriteKeepsTheFirstSpellingAndTakesTheNewType)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\V", key), ERROR_SUCCESS);
    const uint32_t one = 1;
    ASSERT_EQ(SetValue(key, u"Flag", REG_DWORD, &one, 4), ERROR_SUCCESS);
    const uint64_t two = 2;
    ASSERT_EQ(SetValue(key, u"FLAG", REG_QWORD, &two, 8), ERROR_SUCCESS);
    char16_t name[16];
    uint32_t length = 16;
    uint32_t type = 0;
    ASSERT_EQ(EnumValue(key, 0, name, &length, &type), ERROR_SUCCESS);
    EXPECT_EQ(kvtl::WString(name, length), u"Flag");
    EXPECT_EQ(type, REG_QWORD);
    length = 16;
    EXPECT_EQ(EnumValue(key, 1, name, &length, &type), ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, InfoCountsSubkeysValuesAndLongestName)
{
    RegKey key;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Info", key), ERROR_SUCCESS);
    RegKey child;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Info\\ab", child), ERROR_SUCCESS);
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Info\\abcdef", child), ERROR_SUCCESS);
    const uint32_t zero = 0;
    ASSERT_EQ(SetValue(key, u"x", REG_DWORD, &zero, 4), ERROR_SUCCESS);
    uint32_t subKeys = 0;
    uint32_t longest = 0;
    uint32_t values = 0;
    ASSERT_EQ(QueryInfoKey(key, &subKeys, &longest, &values), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 2u);
    EXPECT_EQ(longest, 6u);
    EXPECT_EQ(values, 1u);

    char16_t name[6];
    uint32_t length = 6; // no room for the terminator
    EXPECT_EQ(EnumKey(key, 1, name, &length), ERROR_MORE_DATA);
}

TEST_F(RegistryTest, DeleteKeyNeedsALeafAndDeleteTreeTakesEverything)
{
    RegKey leaf;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\T\\A\\B", leaf), ERROR_SUCCESS);
    const uint32_t one = 1;
    ASSERT_EQ(SetValue(leaf, u"v", REG_DWORD, &one, 4), ERROR_SUCCESS);
    EXPECT_EQ(DeleteKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\T\\A"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(DeleteTree(Root::CurrentUser, u"SOFTWARE\\Kavo\\T"), ERROR_SUCCESS);
    RegKey gone;
    EXPECT_EQ(
        OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\T\\A\\B", Access::Read, gone), ERROR_FILE_NOT_FOUND);
    // The old handle now names a deleted key; it never reaches a new key of the same path.
    EXPECT_EQ(SetValue(leaf, u"v", REG_DWORD, &one, 4), ERROR_KEY_DELETED);
    RegKey again;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\T\\A\\B", again), ERROR_SUCCESS);
    EXPECT_FALSE(sameKey(again, leaf));
    uint32_t size = 0;
    EXPECT_EQ(QueryValue(again, u"v", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(DeleteKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\T\\A\\B"), ERROR_SUCCESS);
    EXPECT_EQ(DeleteTree(Root::CurrentUser, u""), ERROR_ACCESS_DENIED);
}

TEST_F(RegistryTest, ReadOnlyHandleCannotWrite)
{
    RegKey created;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\R", created), ERROR_SUCCESS);
    RegKey reader;
    ASSERT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\R", Access::Read, reader), ERROR_SUCCESS);
    const uint32_t one = 1;
    EXPECT_EQ(SetValue(reader, u"v", REG_DWORD, &one, 4), ERROR_ACCESS_DENIED);
    EXPECT_EQ(DeleteValue(reader, u"v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetValue(created, u"v", REG_DWORD, &one, 4), ERROR_SUCCESS);
    EXPECT_EQ(dword(reader, u"v"), 1u);
    EXPECT_EQ(DeleteValue(created, u"V"), ERROR_SUCCESS);
    EXPECT_EQ(DeleteValue(created, u"V"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, NamesEndAtTheFirstZeroUnit)
{
    RegKey key;
    ASSERT_EQ(
        CreateKey(Root::CurrentUser, kvtl::WString(u"SOFTWARE\\Kavo\\Z\0hidden", 22), key), ERROR_SUCCESS);
    RegKey plain;
    EXPECT_EQ(OpenKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Z", Access::Read, plain), ERROR_SUCCESS);
    EXPECT_TRUE(sameKey(key, plain));
}

TEST_F(RegistryTest, SeparateRootsAreSeparateTrees)
{
    RegKey user;
    ASSERT_EQ(CreateKey(Root::CurrentUser, u"SOFTWARE\\Kavo\\Only", user), ERROR_SUCCESS);
    RegKey machine;
    EXPECT_EQ(
        OpenKey(Root::LocalMachine, u"SOFTWARE\\Kavo\\Only", Access::Read, machine), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(CreateKey(Root::LocalMachine, u"SOFTWARE\\Kavo\\Only", machine), ERROR_SUCCESS);
}
