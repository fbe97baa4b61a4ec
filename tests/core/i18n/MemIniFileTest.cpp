#include "core/i18n/MemIniFile.h"

#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

using test::ansi;

struct Lookup {
    const char* what;
    const char* section;
    const char* key;
    std::optional<std::string> expected; // nullopt: the key is absent
};

constexpr std::string_view kSample = "Key=before any section\r\n"
                                     "[  Form  ]\r\n"
                                     "   Form.Caption   =   Titel mit Blanks   \r\n"
                                     "; Form.Commented=ignored\r\n"
                                     "\r\n"
                                     "Form.Empty=\r\n"
                                     "Form.Equals=a=b=c\r\n"
                                     "Form.Quoted=\"Generieren\" ; bleibt\r\n"
                                     "Form.Twice=first\r\n"
                                     "FORM.TWICE=second\r\n"
                                     "a line without separator\r\n"
                                     "=no key\r\n"
                                     "\t[Other]\t\n"
                                     "Other.Tab=\tmit Tab\t\n"
                                     "[form]\r"
                                     "Form.Later=from the repeated section\r"
                                     "Form.Caption=not the first\r";

TEST(MemIniFile, ReadsTrimmedKeysAndValuesOfSections) {
    const MemIniFile ini = MemIniFile::parse(kSample);
    const Lookup cases[] = {
        {"trimmed key and value", "Form", "Form.Caption", "Titel mit Blanks"},
        {"section and key in other letter case", "FORM", "form.caption", "Titel mit Blanks"},
        {"comment line", "Form", "; Form.Commented", std::nullopt},
        {"commented key", "Form", "Form.Commented", std::nullopt},
        {"present with empty value", "Form", "Form.Empty", ""},
        {"first equals sign splits", "Form", "Form.Equals", "a=b=c"},
        {"quotes and semicolons belong to the value", "Form", "Form.Quoted", "\"Generieren\" ; bleibt"},
        {"first of two keys wins", "Form", "Form.Twice", "first"},
        {"line before the first section", "", "Key", std::nullopt},
        {"line without separator", "Form", "a line without separator", std::nullopt},
        {"tabs trimmed like blanks", "Other", "Other.Tab", "mit Tab"},
        {"repeated section adds its new keys", "Form", "Form.Later", "from the repeated section"},
        {"absent section", "Missing", "Form.Caption", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.hasKey(c.section, c.key), c.expected.has_value()) << c.what;
        EXPECT_EQ(ini.readString(c.section, c.key, "<default>"), c.expected.value_or("<default>")) << c.what;
    }
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Form", "Other"}));
    EXPECT_EQ(ini.entries("Other"), (std::vector<MemIniFile::Entry>{{"Other.Tab", "mit Tab"}}));
}

struct Encoding {
    const char* what;
    std::string bytes;
    std::string expectedValue; // Windows-1252
};

TEST(MemIniFile, DecodesByteOrderMarksIntoWindows1252) {
    const std::string utf16Le = std::string("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xFC\0\xAC\x20\x42\x04", 20);
    const std::string utf16Be = std::string("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0\xFC\x20\xAC\x04\x42", 20);
    const Encoding cases[] = {
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF[S]\nK=\xC3\xBC\xE2\x82\xAC\xD0\x82", "\xFC\x80?"},
        {"UTF-16 little-endian", utf16Le, "\xFC\x80?"},
        {"UTF-16 big-endian", utf16Be, "\xFC\x80?"},
        {"no mark: Windows-1252 bytes as they stand", "[S]\nK=\xFC\x80\xC3\xBC", "\xFC\x80\xC3\xBC"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MemIniFile::parse(c.bytes).readString("S", "K", "<default>"), c.expectedValue) << c.what;
}

TEST(MemIniFile, MatchesUmlautsRegardlessOfLetterCase) {
    const MemIniFile ini = MemIniFile::parse(ansi("[Größe]\nÄNDERN=ja\n"));
    EXPECT_EQ(ini.readString(ansi("GRÖßE"), ansi("ändern"), ""), "ja");
}

TEST(MemIniFile, LoadsOnlyReadableFilesWithinTheSizeBound) {
    test::ScratchFolder dir;
    const auto small = dir.write("small.ini", "[S]\nK=V\n");
    ASSERT_TRUE(MemIniFile::load(small));
    EXPECT_EQ(MemIniFile::load(small)->readString("S", "K", ""), "V");

    std::string large = "[S]\nK=V\n";
    large.resize(MemIniFile::kMaxBytes + 1, ' ');
    EXPECT_FALSE(MemIniFile::load(dir.write("large.ini", large)));
    EXPECT_FALSE(MemIniFile::load(dir.path() / "missing.ini"));
    EXPECT_FALSE(MemIniFile::load(dir.path()));
}

} // namespace
} // namespace kelvaron
