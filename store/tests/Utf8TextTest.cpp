#include "store/Utf8Text.h"

#include <gtest/gtest.h>

TEST(Utf8TextTest, EncodesEachCodeUnitInOneToThreeBytes) {
    EXPECT_EQ(EncodeUtf8(L"a|b"), "a|b");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\x7F')), "\x7F");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\x80')), "\xC2\x80");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\x7FF')), "\xDF\xBF");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\x800')), "\xE0\xA0\x80");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\xFFFF')), "\xEF\xBF\xBF");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, L'\0')), std::string(1, '\0'));
}

TEST(Utf8TextTest, WritesASurrogatePairAsTwoSequences) {
    const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(EncodeUtf8(pair), "\xED\xA0\xBD\xED\xB8\x80");
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(pair)), pair);
}

TEST(Utf8TextTest, EveryCodeUnitSurvivesARoundTrip) {
    std::wstring all;
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        all += static_cast<wchar_t>(unit);
    }
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(all)), all);
}

TEST(Utf8TextTest, ReadsMalformedBytesLeniently) {
    EXPECT_EQ(DecodeUtf8("\x80" "a"), std::wstring(1, L'\xFFFF') + L"a");
    EXPECT_EQ(DecodeUtf8("\xF8\xFF"), std::wstring(2, L'\xFFFF'));
    // Continuation bytes are not checked, and over-long forms give what their bits spell.
    EXPECT_EQ(DecodeUtf8("\xC3" "A"), std::wstring(1, static_cast<wchar_t>(0xC1)));
    EXPECT_EQ(DecodeUtf8("\xC1\x81"), L"A");
    EXPECT_EQ(DecodeUtf8("\xE0\x81\x81"), L"A");
}

TEST(Utf8TextTest, DropsASequenceCutOffByTheEnd) {
    EXPECT_EQ(DecodeUtf8("ab\xC3"), L"ab");
    EXPECT_EQ(DecodeUtf8("ab\xE2\x82"), L"ab");
    EXPECT_EQ(DecodeUtf8("ab\xF0\x9F\x98"), L"ab");
}

// Other editors write a character beyond U+FFFF in four bytes: it reads as its surrogate pair,
// while four bytes that spell no such character read as U+FFFD.
TEST(Utf8TextTest, ReadsAStandardFourByteSequenceAsItsSurrogatePair) {
    const std::wstring replaced(1, L'\xFFFD');
    const std::pair<std::string, std::wstring> cases[] = {
        {"\xF0\x9F\x98\x80" "b", std::wstring{wchar_t(0xD83D), wchar_t(0xDE00), L'b'}},
        {"\xF0\x90\x80\x80", std::wstring{wchar_t(0xD800), wchar_t(0xDC00)}},
        {"\xF4\x8F\xBF\xBF", std::wstring{wchar_t(0xDBFF), wchar_t(0xDFFF)}},
        {"\xF4\x90\x80\x80", replaced},
        {"\xF0\x8F\xBF\xBF", replaced},
        {"\xF7\xBF\xBF\xBF", replaced},
        {"\xF0\x9F\x41\x80", replaced},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(DecodeUtf8(test.first), test.second) << test.first;
    }
}
