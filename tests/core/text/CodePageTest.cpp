#include "core/text/CodePage.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

TEST(CodePage, EveryByteSurvivesTheWayThroughUtf8AndUtf16) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.push_back(static_cast<char>(b));
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(allBytes)), allBytes);
    EXPECT_EQ(cp1252FromUtf16Le(utf16LeFromCp1252(allBytes)), allBytes);
}

TEST(CodePage, TheBytesBelowA0AreTheWindowsCharacters) {
    EXPECT_EQ(utf8FromCp1252("\x80"), "\u20AC");
    EXPECT_EQ(utf8FromCp1252("\x84\x93\x9F"), "\u201E\u201C\u0178");
    EXPECT_EQ(utf8FromCp1252("\xC4\xF6\xFC\xDF"), "Äöüß");
    EXPECT_EQ(utf16LeFromCp1252("\x80"), std::string("\xAC\x20", 2));
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string expected;
};

class CodePageFromUtf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(CodePageFromUtf8, Converts) {
    EXPECT_EQ(cp1252FromUtf8(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageFromUtf8,
    testing::Values(Utf8Case{"Umlauts", "Größe",
                             "Gr\xF6\xDF"
                             "e"},
                    Utf8Case{"Euro", "\u20AC 5", "\x80 5"}, Utf8Case{"OutsideTheCodePage", "\u03A9", "?"},
                    Utf8Case{"FourBytes", "\U0001F600x", "?x"}, Utf8Case{"TruncatedSequence", "\xC3", "?"},
                    Utf8Case{"LoneContinuation",
                             "\x80"
                             "a",
                             "?a"},
                    Utf8Case{"BrokenSequenceKeepsNextCharacter",
                             "\xC3"
                             "A",
                             "?A"},
                    Utf8Case{"OverlongSlash", "\xC0\xAF", "?"},
                    Utf8Case{"OverlongThreeBytes", "\xE0\x81\x81", "?"},
                    Utf8Case{"OverlongFourBytes", "\xF0\x80\x81\x81", "?"}),
    [](const testing::TestParamInfo<Utf8Case>& testCase) { return std::string(testCase.param.name); });

TEST(CodePage, Utf16SurrogatePairBecomesOneQuestionMark) {
    const std::string pair("\x3D\xD8\x00\xDE"
                           "a\x00",
                           6);
    EXPECT_EQ(cp1252FromUtf16Le(pair), "?a");
}

TEST(CodePage, Utf16OddTrailingByteIsDropped) {
    EXPECT_EQ(cp1252FromUtf16Le(std::string("A\x00"
                                            "B",
                                            3)),
              "A");
}

} // namespace
} // namespace kelvaron
