#include "ipc/textconvert.h"

#include <gtest/gtest.h>

using kvtl::Utf8ToWide;
using kvtl::WideToUtf8;
using kvtl::WString;

namespace {
std::string bytes(std::initializer_list<unsigned> values)
{
    std::string s;
    for (unsigned v : values)
        s.push_back(static_cast<char>(v));
    return s;
}
} // namespace

TEST(TextConvert, WideToUtf8EncodesEachLength)
{
    EXPECT_EQ(WideToUtf8(u"A"), "A");
    EXPECT_EQ(WideToUtf8(WString(1, u'\u00E9')), bytes({ 0xC3, 0xA9 }));
    EXPECT_EQ(WideToUtf8(WString(1, u'\u20AC')), bytes({ 0xE2, 0x82, 0xAC }));
    EXPECT_EQ(WideToUtf8(WString { char16_t(0xD83D), char16_t(0xDE00) }), bytes({ 0xF0, 0x9F, 0x98, 0x80 }));
    EXPECT_EQ(WideToUtf8(WString()), "");
}

TEST(TextConvert, WideToUtf8IsLenientWithSurrogatesButATrailingHighOne)
{
    EXPECT_EQ(WideToUtf8(WString { char16_t(0xDC00) }), bytes({ 0xED, 0xB0, 0x80 }));
    EXPECT_EQ(WideToUtf8(WString { char16_t(0xD800), u'A' }), bytes({ 0xED, 0xA0, 0x80, 'A' }));
    EXPECT_EQ(WideToUtf8(WString { u'A', char16_t(0xD83D) }), "");
    EXPECT_EQ(WideToUtf8(WString { char16_t(0xD83D) }), "");
}

TEST(TextConvert, ResultsStopAtTheFirstZero)
{
    EXPECT_EQ(WideToUtf8(WString { u'a', 0, u'b' }), "a");
    EXPECT_EQ(Utf8ToWide(std::string("a\0b", 3)), u"a");
}

TEST(TextConvert, Utf8ToWideDecodes)
{
    EXPECT_EQ(Utf8ToWide(bytes({ 0xC3, 0xA9 })), WString(1, u'\u00E9'));
    EXPECT_EQ(
        Utf8ToWide(bytes({ 0xF0, 0x9F, 0x98, 0x80 })), (WString { char16_t(0xD83D), char16_t(0xDE00) }));
    EXPECT_EQ(
        Utf8ToWide(bytes({ 0xF4, 0x8F, 0xBF, 0xBF })), (WString { char16_t(0xDBFF), char16_t(0xDFFF) }));
    EXPECT_EQ(Utf8ToWide(""), u"");
}

TEST(TextConvert, Utf8ToWideRefusesEveryMalformedSequence)
{
    const std::string malformed[] = {
        bytes({ 0x80 }), // lone continuation byte
        bytes({ 0xE2, 0x82 }), // truncated
        bytes({ 0xC3 }), // truncated at the end
        bytes({ 0xED, 0xA0, 0x80 }), // encoded surrogate
        bytes({ 0xC0, 0xAF }), // overlong lead C0
        bytes({ 0xC1, 0xBF }), // overlong lead C1
        bytes({ 0xE0, 0x80, 0xAF }), // overlong three-byte
        bytes({ 0xF0, 0x80, 0x80, 0xAF }), // overlong four-byte
        bytes({ 0xF4, 0x90, 0x80, 0x80 }), // past U+10FFFF
        bytes({ 0xF5, 0x80, 0x80, 0x80 }), // illegal lead
        bytes({ 0xF8, 0x88, 0x80, 0x80, 0x80 }),
        bytes({ 0xFC, 0x84, 0x80, 0x80, 0x80, 0x80 }),
        bytes({ 0xFF }),
        bytes({ 0xC3, 0x41 }), // continuation missing
        bytes({ 'o', 'k', 0xE2, 0x28, 0xA1 }),
    };
    for (const std::string &input : malformed)
        EXPECT_EQ(Utf8ToWide(input), u"") << "input of " << input.size() << " bytes";
}

TEST(TextConvert, EveryBmpUnitAndSampledPairsRoundTrip)
{
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const WString in(1, static_cast<char16_t>(unit));
        ASSERT_EQ(Utf8ToWide(WideToUtf8(in)), in) << std::hex << unit;
    }
    for (unsigned high = 0xD800; high <= 0xDBFF; high += 0x1F) {
        for (unsigned low = 0xDC00; low <= 0xDFFF; low += 0x3D) {
            const WString in { static_cast<char16_t>(high), static_cast<char16_t>(low) };
            ASSERT_EQ(Utf8ToWide(WideToUtf8(in)), in) << std::hex << high << ' ' << low;
        }
    }
}

TEST(TextConvert, UnpairedSurrogatesComeBackAsReplacement)
{
    // Lenient on the way out, strict on the way in: the pair does not survive.
    EXPECT_EQ(Utf8ToWide(WideToUtf8(WString { char16_t(0xDC00) })), u"");
}
