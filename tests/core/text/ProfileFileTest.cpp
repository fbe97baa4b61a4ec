#include "core/text/ProfileFile.h"

#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kelvaron {
namespace {

using test::ansi;

ProfileFile parsed(std::string_view bytes) {
    std::optional<ProfileFile> file = ProfileFile::parse(bytes);
    EXPECT_TRUE(file.has_value());
    return file.value_or(ProfileFile{});
}

// UTF-16 bytes of `text` behind the byte-order mark of the chosen order.
std::string utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes;
}

struct LookupCase {
    const char* name;
    std::string content;
    std::optional<std::string> expected; // the value of Design/Name
};

class ProfileFileLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileFileLookup, FindsDesignName) {
    EXPECT_EQ(parsed(GetParam().content).readString("Design", "Name"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileLookup,
    testing::Values(
        LookupCase{"Plain", "[Design]\r\nName=Studie\r\n", "Studie"},
        LookupCase{"SectionAndKeyInOtherCase", "[DESIGN]\r\nnAmE=Studie\r\n", "Studie"},
        LookupCase{"BlanksAroundNamesAndEquals", "  [ Design ]  \r\n  Name  =  Studie  \r\n", "Studie"},
        LookupCase{"EmptyValueIsNotAbsent", "[Design]\r\nName=\r\n", ""},
        LookupCase{"FirstKeyWins", "[Design]\r\nName=eins\r\nName=zwei\r\n", "eins"},
        LookupCase{"FirstSectionWins", "[Design]\r\nArme=3\r\n[design]\r\nName=zwei\r\n", std::nullopt},
        LookupCase{"KeyOfOtherSection", "[Arme]\r\nName=Studie\r\n", std::nullopt},
        LookupCase{"KeyBeforeAnySection", "Name=Studie\r\n[Design]\r\n", std::nullopt},
        LookupCase{"CommentIsNoKey", "[Design]\r\n;Name=alt\r\nName=neu\r\n", "neu"},
        LookupCase{"LineWithoutEqualsIsNoKey", "[Design]\r\nName\r\n", std::nullopt},
        LookupCase{"ValueAfterFirstEquals", "[Design]\r\nName=a=b\r\n", "a=b"},
        LookupCase{"LineFeedEnds", "[Design]\nName=Studie\n", "Studie"},
        LookupCase{"CarriageReturnEnds", "[Design]\rName=Studie\r", "Studie"},
        LookupCase{"LastLineWithoutEnd", "[Design]\r\nName=Studie", "Studie"},
        LookupCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<LookupCase>& testCase) { return std::string(testCase.param.name); });

TEST(ProfileFile, NamesMatchWindows1252LettersInOtherCase) {
    const ProfileFile file = parsed(ansi("[Größe]\r\nÄrzteŠŒŽŸ=ja\r\n"));
    EXPECT_EQ(file.readString(ansi("GRÖßE"), ansi("ärztešœžÿ")), "ja");
}

struct ValueCase {
    const char* name;
    std::string stored; // the text after "Name="
    std::string expected;
};

class ProfileFileValue : public testing::TestWithParam<ValueCase> {};

TEST_P(ProfileFileValue, ReadsAsTheProfileFunctionsDo) {
    const ProfileFile file = parsed("[Design]\r\nName=" + GetParam().stored + "\r\n");
    EXPECT_EQ(file.readString("Design", "Name"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileValue,
    testing::Values(ValueCase{"BlanksAtBothEnds", " \t Studie A \t ", "Studie A"},
                    ValueCase{"DoubleQuotes", "\"Studie\"", "Studie"},
                    ValueCase{"SingleQuotes", "'Studie'", "Studie"},
                    ValueCase{"BlanksInsideQuotesStay", " \" Studie \" ", " Studie "},
                    ValueCase{"OnlyOnePairRemoved", "''Studie''", "'Studie'"},
                    ValueCase{"MixedQuotesStay", "\"Studie'", "\"Studie'"},
                    ValueCase{"OpeningQuoteOnly", "\"Studie", "\"Studie"}, ValueCase{"LoneQuote", "\"", "\""},
                    ValueCase{"EmptyQuotes", "\"\"", ""},
                    ValueCase{"At2047", std::string(2047, 'x'), std::string(2047, 'x')},
                    ValueCase{"CutAt2047", std::string(2047, 'x') + "yz", std::string(2047, 'x')},
                    ValueCase{"QuotesRemovedBeforeCut", "\"" + std::string(2048, 'x') + "\"",
                              std::string(2047, 'x')}),
    [](const testing::TestParamInfo<ValueCase>& testCase) { return std::string(testCase.param.name); });

struct IntegerCase {
    const char* name;
    std::string stored;
    std::int32_t expected; // with the fallback -7
};

class ProfileFileInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileFileInteger, ReadsDecimalOrHexOrFallsBack) {
    const ProfileFile file = parsed("[Arme]\r\nAnzahl=" + GetParam().stored + "\r\n");
    EXPECT_EQ(file.readInteger("Arme", "Anzahl", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileInteger,
    testing::Values(IntegerCase{"Decimal", "12", 12}, IntegerCase{"Negative", "-5", -5},
                    IntegerCase{"Plus", "+8", 8}, IntegerCase{"LeadingZeros", "007", 7},
                    IntegerCase{"Blanks", "  42  ", 42}, IntegerCase{"Quoted", "'9'", 9},
                    IntegerCase{"HexLower", "0x1f", 31}, IntegerCase{"HexUpperX", "0X1F", 31},
                    IntegerCase{"Dollar", "$ff", 255}, IntegerCase{"Largest", "2147483647", 2147483647},
                    IntegerCase{"Smallest", "-2147483648", INT32_MIN},
                    IntegerCase{"TooLarge", "2147483648", -7}, IntegerCase{"TooSmall", "-2147483649", -7},
                    IntegerCase{"LargestHex", "0x7FFFFFFF", 2147483647},
                    IntegerCase{"HexTooLarge", "0x80000000", -7}, IntegerCase{"HexAllOnes", "$FFFFFFFF", -7},
                    IntegerCase{"Word", "yes", -7}, IntegerCase{"Empty", "", -7},
                    IntegerCase{"OnlyHexPrefix", "0x", -7}, IntegerCase{"OnlyDollar", "$", -7},
                    IntegerCase{"OnlySign", "-", -7}, IntegerCase{"TrailingLetters", "12abc", -7},
                    IntegerCase{"Fraction", "1.5", -7}, IntegerCase{"SignedHex", "-0x1", -7},
                    IntegerCase{"InnerBlank", "1 2", -7}, IntegerCase{"HexWithoutPrefix", "1F", -7}),
    [](const testing::TestParamInfo<IntegerCase>& testCase) { return std::string(testCase.param.name); });

TEST(ProfileFile, AbsentKeyGivesTheFallback) {
    const ProfileFile file = parsed("[Arme]\r\n");
    EXPECT_EQ(file.readInteger("Arme", "Anzahl", 3), 3);
    EXPECT_EQ(file.readString("Arme", "Bez1", "leer"), "leer");
}

TEST(ProfileFile, UnchangedFileSerialisesToTheSameBytes) {
    for (const std::string& content :
         {std::string(""), std::string("[Design]\r\nName=a\r\n; comment\r\n\r\n[X]\nk = v \rrest"),
          std::string("\x00\xFF garbage [\r\n=\r\n]", 18), utf16(u"[Design]\r\nName=\u03A9\r\n"),
          utf16(u"[Design]\nName=x\n", true), utf16(u"[A]\r\n") + "\x41"}) {
        EXPECT_EQ(parsed(content).serialize(), content);
    }
}

TEST(ProfileFile, ExistingKeyIsReplacedInPlaceAndEveryOtherLineStays) {
    ProfileFile file = parsed("; Studie 4711\r\n"
                              "[Design]\r\n"
                              "NAME=alt\r\n"
                              "Extra = bleibt \r\n"
                              "\r\n"
                              "[Arme]\r\n"
                              "Anzahl=4\r\n"
                              "Bez4=Arm 4\r\n");
    file.writeString("design", "Name", "neu");
    file.writeString("Arme", "Anzahl", "2");
    EXPECT_EQ(file.serialize(), "; Studie 4711\r\n"
                                "[Design]\r\n"
                                "NAME=neu\r\n"
                                "Extra = bleibt \r\n"
                                "\r\n"
                                "[Arme]\r\n"
                                "Anzahl=2\r\n"
                                "Bez4=Arm 4\r\n");
}

TEST(ProfileFile, MissingKeyFollowsTheLastKeyLineOfItsSection) {
    ProfileFile file = parsed("[Design]\r\n"
                              "Name=a\r\n"
                              "; comment after the keys\r\n"
                              "\r\n"
                              "[Bloecke]\r\n");
    file.writeString("Design", "Arme", "3");
    file.writeString("Design", "Fallzahl", "120");
    file.writeString("Bloecke", "Fix", "1");
    file.writeString("Design", "Arme", "4");
    EXPECT_EQ(file.serialize(), "[Design]\r\n"
                                "Name=a\r\n"
                                "Arme=4\r\n"
                                "Fallzahl=120\r\n"
                                "; comment after the keys\r\n"
                                "\r\n"
                                "[Bloecke]\r\n"
                                "Fix=1\r\n");
    EXPECT_EQ(file.readString("design", "ARME"), "4");
}

TEST(ProfileFile, MissingSectionGoesToTheEndOfTheFile) {
    ProfileFile file = parsed("[Design]\nName=a");
    file.writeString("Zufall", "Seed", "123");
    EXPECT_EQ(file.serialize(), "[Design]\nName=a\n[Zufall]\nSeed=123\n");
}

TEST(ProfileFile, WritingIntoTheLastSectionOfAFileWithoutFinalLineEnd) {
    ProfileFile file = parsed("[Design]\r\nName=a");
    file.writeString("Design", "Arme", "3");
    EXPECT_EQ(file.serialize(), "[Design]\r\nName=a\r\nArme=3\r\n");
}

TEST(ProfileFile, NewFileUsesCarriageReturnLineFeed) {
    ProfileFile file;
    file.writeString("Design", "Name", ansi("Größe"));
    file.writeString("Arme", "Anzahl", "0");
    EXPECT_EQ(file.serialize(), ansi("[Design]\r\nName=Größe\r\n[Arme]\r\nAnzahl=0\r\n"));
    EXPECT_EQ(file.encoding(), ProfileFile::Encoding::Cp1252);
}

TEST(ProfileFile, WritesOnlyTheFirstOfTwoSectionsOrKeysOfTheSameName) {
    ProfileFile file = parsed("[Design]\r\nName=a\r\nname=b\r\n[DESIGN]\r\nArme=9\r\n");
    file.writeString("Design", "Arme", "3");
    file.writeString("Design", "Name", "c");
    EXPECT_EQ(file.serialize(), "[Design]\r\nName=c\r\nname=b\r\nArme=3\r\n[DESIGN]\r\nArme=9\r\n");
}

TEST(ProfileFile, LineBreaksInAValueCannotStartNewLines) {
    ProfileFile file;
    file.writeString("Design", "Name", "a\r\n[Arme]\nAnzahl=9");
    EXPECT_EQ(file.serialize(), "[Design]\r\nName=a  [Arme] Anzahl=9\r\n");
    EXPECT_EQ(file.readString("Arme", "Anzahl"), std::nullopt);
}

TEST(ProfileFile, Utf16LittleEndianIsReadAndWrittenBackAsUtf16) {
    ProfileFile file =
        parsed(utf16(u"; \u03A9-Studie\r\n[Design]\r\nName=Gr\u00F6\u00DFe \u20AC\r\nArme=\u03A9\r\n"));
    EXPECT_EQ(file.encoding(), ProfileFile::Encoding::Utf16Le);
    EXPECT_EQ(file.readString("Design", "Name"), ansi("Größe €"));
    EXPECT_EQ(file.readString("Design", "Arme"), "?");

    file.writeString("Design", "Fallzahl", ansi("60 Äpfel"));
    file.writeString("Zufall", "Seed", "1");
    EXPECT_EQ(file.serialize(),
              utf16(u"; \u03A9-Studie\r\n[Design]\r\nName=Gr\u00F6\u00DFe \u20AC\r\nArme=\u03A9\r\n"
                    u"Fallzahl=60 \u00C4pfel\r\n[Zufall]\r\nSeed=1\r\n"));
}

TEST(ProfileFile, Utf16BigEndianStaysBigEndian) {
    ProfileFile file = parsed(utf16(u"[Design]\nName=\u00C4\n", true));
    EXPECT_EQ(file.encoding(), ProfileFile::Encoding::Utf16Be);
    EXPECT_EQ(file.readString("DESIGN", "name"), ansi("Ä"));
    file.writeString("Design", "Name", ansi("Ö"));
    EXPECT_EQ(file.serialize(), utf16(u"[Design]\nName=\u00D6\n", true));
}

TEST(ProfileFile, Utf16NamesMatchInOtherCase) {
    const ProfileFile file = parsed(utf16(u"[GR\u00D6\u00DFE]\r\n\u0160=1\r\n"));
    EXPECT_EQ(file.readInteger(ansi("größe"), ansi("š"), 0), 1);
}

TEST(ProfileFile, Utf16SurrogatePairReadsAsOneQuestionMark) {
    const ProfileFile file = parsed(utf16(u"[Design]\r\nName=a\U0001F600b\r\n"));
    EXPECT_EQ(file.readString("Design", "Name"), "a?b");
}

TEST(ProfileFile, ManyKeysAreFoundAndUpdated) {
    constexpr int kKeys = 30000;
    ProfileFile file;
    for (int i = 1; i <= kKeys; ++i)
        file.writeString("Arme", "Bez" + std::to_string(i), std::to_string(i));
    ProfileFile reread = parsed(file.serialize());
    for (int i = kKeys; i >= 1; --i)
        reread.writeString("Arme", "Bez" + std::to_string(i), std::to_string(-i));
    const ProfileFile updated = parsed(reread.serialize());
    EXPECT_EQ(updated.readInteger("Arme", "Bez1", 0), -1);
    EXPECT_EQ(updated.readInteger("Arme", "BEZ29999", 0), -29999);
    EXPECT_EQ(updated.readInteger("Arme", "Bez30000", 0), -30000);
    EXPECT_EQ(updated.readString("Arme", "Bez30001"), std::nullopt);
}

TEST(ProfileFile, RefusesContentAboveTheLimit) {
    const std::string atLimit(ProfileFile::kMaxBytes, ';');
    EXPECT_TRUE(ProfileFile::parse(atLimit).has_value());
    EXPECT_FALSE(ProfileFile::parse(atLimit + ";").has_value());
}

TEST(ReadProfileFile, ReportsMissingAndTooLargeFiles) {
    const test::ScratchFolder folder;
    EXPECT_EQ(readProfileFile(folder / "absent.kvd").status, ReadFileStatus::Missing);

    test::writeBytes(folder / "large.kvd", std::string(ProfileFile::kMaxBytes + 1, ';'));
    EXPECT_EQ(readProfileFile(folder / "large.kvd").status, ReadFileStatus::TooLarge);

    test::writeBytes(folder / "design.kvd", "[Design]\r\nName=x\r\n");
    const ProfileReadResult read = readProfileFile(folder / "design.kvd");
    ASSERT_EQ(read.status, ReadFileStatus::Read);
    EXPECT_EQ(read.file.readString("Design", "Name"), "x");
}

} // namespace
} // namespace kelvaron
