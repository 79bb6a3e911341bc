#include "ipc/textconvert.h"

#include <gtest/gtest.h>

#include <windows.h>

using kvtl::WString;

namespace {

// Wide strings reach Win32 calls as they are: char16_t and wchar_t are both
// UTF-16 units here.
const wchar_t *wide(const WString &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

} // namespace

TEST(TextConvertWin, AgreesWithTheSystemOnWellFormedText)
{
    const WString samples[] = { u"A", u"K\u00E4se", u"\u20AC 5", u"\u65E5\u672C",
        WString { u'x', char16_t(0xD83D), char16_t(0xDE00) } };
    for (const WString &sample : samples) {
        char utf8[64] = {};
        const int bytes = WideCharToMultiByte(
            CP_UTF8, 0, wide(sample), static_cast<int>(sample.size()), utf8, sizeof utf8, nullptr, nullptr);
        ASSERT_GT(bytes, 0);
        EXPECT_EQ(kvtl::WideToUtf8(sample), std::string(utf8, static_cast<size_t>(bytes)));

        wchar_t back[64] = {};
        const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, bytes, back, 64);
        ASSERT_EQ(units, static_cast<int>(sample.size()));
        EXPECT_EQ(kvtl::Utf8ToWide(std::string(utf8, static_cast<size_t>(bytes))), sample);
        EXPECT_EQ(lstrlenW(wide(sample)), units);
    }
}
