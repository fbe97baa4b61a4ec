#include "core/text/Cp1252Text.h"

#include "core/text/CodePage.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace kelvaron {
namespace {

struct TrimCase {
    const char* name;
    std::string_view text;
    std::string_view expected;
};

class TrimmedBlanksAndControls : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimmedBlanksAndControls, RemovesEveryByteUpTo0x20AtBothEnds) {
    EXPECT_EQ(trimmed(GetParam().text, isBlankOrControl), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimmedBlanksAndControls,
    testing::Values(TrimCase{"Empty", "", ""}, TrimCase{"OnlyBlanks", " \t\r\n", ""},
                    TrimCase{"BlanksAroundWords", "  Zentrum 1 \t", "Zentrum 1"},
                    TrimCase{"ControlCharacters", std::string_view("\x01\x00x\x1F", 4), "x"},
                    TrimCase{"InnerBlanksStay", " a  b ", "a  b"},
                    TrimCase{"NoBreakSpaceIsNoBlank", "\xA0x\xA0", "\xA0x\xA0"},
                    TrimCase{"DeleteIsNoControlHere", "\x7Fx", "\x7Fx"}),
    [](const testing::TestParamInfo<TrimCase>& testCase) { return std::string(testCase.param.name); });

struct ProfileTrimCase {
    const char* name;
    std::u16string_view text;
    std::u16string_view expected;
};

class TrimmedProfileBlanks : public testing::TestWithParam<ProfileTrimCase> {};

TEST_P(TrimmedProfileBlanks, RemovesSpaceTabVerticalTabAndFormFeed) {
    EXPECT_EQ(trimmed(GetParam().text, isProfileBlank), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimmedProfileBlanks,
    testing::Values(ProfileTrimCase{"Empty", u"", u""},
                    ProfileTrimCase{"TheFourBlanks", u" \t\v\fName \t\v\f", u"Name"},
                    ProfileTrimCase{"LineBreaksStay", u"\r Name\n", u"\r Name\n"},
                    ProfileTrimCase{"OtherControlsStay", u"\x01Name\x1F", u"\x01Name\x1F"},
                    ProfileTrimCase{"NoBreakSpaceStays", u"\u00A0Name", u"\u00A0Name"}),
    [](const testing::TestParamInfo<ProfileTrimCase>& testCase) { return std::string(testCase.param.name); });

struct FoldCase {
    const char* name;
    char byte;
    char expected;
};

class FoldedCp1252 : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldedCp1252, GivesTheLowerCaseLetter) {
    EXPECT_EQ(foldedCp1252(GetParam().byte), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoldedCp1252,
    testing::Values(FoldCase{"CapitalA", 'A', 'a'}, FoldCase{"CapitalZ", 'Z', 'z'},
                    FoldCase{"SmallLetterStays", 'q', 'q'}, FoldCase{"AtSignBeforeA", '@', '@'},
                    FoldCase{"BracketAfterZ", '[', '['}, FoldCase{"AGrave", '\xC0', '\xE0'},
                    FoldCase{"Thorn", '\xDE', '\xFE'}, FoldCase{"UmlautO", '\xD6', '\xF6'},
                    FoldCase{"MultiplicationSignStays", '\xD7', '\xD7'},
                    FoldCase{"SharpSStays", '\xDF', '\xDF'}, FoldCase{"SCaron", '\x8A', '\x9A'},
                    FoldCase{"OE", '\x8C', '\x9C'}, FoldCase{"ZCaron", '\x8E', '\x9E'},
                    FoldCase{"YDiaeresis", '\x9F', '\xFF'}, FoldCase{"SmallSCaronStays", '\x9A', '\x9A'},
                    FoldCase{"EuroSignStays", '\x80', '\x80'},
                    FoldCase{"UnassignedByteStays", '\x81', '\x81'}),
    [](const testing::TestParamInfo<FoldCase>& testCase) { return std::string(testCase.param.name); });

TEST(FoldedCp1252, FoldsEveryByteOfAText) {
    EXPECT_EQ(foldedCp1252("Gr\xD6\xDF"
                           "E \x8A\x9F"),
              "gr\xF6\xDF"
              "e \x9A\xFF");
}

// A UTF-16 profile file folds code points, a Windows-1252 one bytes: both must match the same names.
TEST(FoldedCodePoint, AgreesWithTheByteFoldingForEveryByteOfTheCodePage) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<char>(b);
        EXPECT_EQ(cp1252FromCodePoint(foldedCodePoint(codePointFromCp1252(byte))), foldedCp1252(byte))
            << "byte " << b;
    }
}

TEST(FoldedCodePoint, LeavesLettersOutsideTheCodePageAlone) {
    EXPECT_EQ(foldedCodePoint(U'\u0100'), U'\u0100'); // A with macron
    EXPECT_EQ(foldedCodePoint(U'\u0391'), U'\u0391'); // Greek capital alpha
    EXPECT_EQ(foldedCodePoint(U'\u0178'), U'\u00FF');
}

struct MarkCase {
    const char* name;
    std::string_view bytes;
    ByteOrderMark expected;
};

class ByteOrderMarkOf : public testing::TestWithParam<MarkCase> {};

TEST_P(ByteOrderMarkOf, RecognizesTheMarkAtTheStart) {
    EXPECT_EQ(byteOrderMarkOf(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ByteOrderMarkOf,
    testing::Values(MarkCase{"Empty", "", ByteOrderMark::None},
                    MarkCase{"PlainText", "[Design]", ByteOrderMark::None},
                    MarkCase{"Utf8", "\xEF\xBB\xBF[Design]", ByteOrderMark::Utf8},
                    MarkCase{"Utf8Alone", "\xEF\xBB\xBF", ByteOrderMark::Utf8},
                    MarkCase{"Utf8Cut", "\xEF\xBB", ByteOrderMark::None},
                    MarkCase{"Utf16Le", std::string_view("\xFF\xFE[\x00", 4), ByteOrderMark::Utf16Le},
                    MarkCase{"Utf16Be", std::string_view("\xFE\xFF\x00[", 4), ByteOrderMark::Utf16Be},
                    MarkCase{"OneByteOfAMark", "\xFF", ByteOrderMark::None},
                    MarkCase{"MarkNotAtTheStart", " \xFF\xFE", ByteOrderMark::None}),
    [](const testing::TestParamInfo<MarkCase>& testCase) { return std::string(testCase.param.name); });

TEST(ByteOrderMarkBytes, AreTheBytesThatAreRecognized) {
    for (const ByteOrderMark mark : {ByteOrderMark::Utf8, ByteOrderMark::Utf16Le, ByteOrderMark::Utf16Be})
        EXPECT_EQ(byteOrderMarkOf(byteOrderMarkBytes(mark)), mark);
    EXPECT_EQ(byteOrderMarkBytes(ByteOrderMark::None), "");
}

} // namespace
} // namespace kelvaron
