#include "core/design/file/DesignFile.h"

#include "core/text/ProfileFile.h"
#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

namespace fs = std::filesystem;
using test::ansi;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

const fs::path kFixtures = "fixtures";

// A design as it stands after some editing: every text differs from the defaults.
TStudyDesign editedDesign() {
    TStudyDesign design;
    design.studyName = ansi("Größenvergleich \"Knie\" – Phase III €");
    design.patientCount = "96";
    design.armCount = "3";
    design.arms.setLength(3);
    design.arms.at(1) = {"Arm 1", ansi("Übungstherapie"), "1"};
    design.arms.at(2) = {"Arm 2", ansi("Wärme = 40 °C"), "2"};
    design.arms.at(3) = {"Arm 3", "Placebo; oral", "x1"};
    design.perCenterLists = true;
    design.centerCount = "2";
    design.centers.at(1) = {"Zentrum 1", "101", ansi("Universitätsklinik Köln"), "48"};
    design.centers.at(2) = {"Zentrum 2", "205", ansi("Praxis Dr. Müller"), "48"};
    design.blockMode = BlockMode::Variable;
    design.fixedBlockSize = "12";
    design.minBlockSize = "6";
    design.maxBlockSize = "12";
    design.seed = "1234567";
    return design;
}

// What loading a file without any key gives over a freshly started program.
TStudyDesign emptyFileDesign() {
    TStudyDesign design;
    design.arms.setLength(0);
    design.centers.setLength(0);
    design.blockMode = BlockMode::Variable;
    return design;
}

TEST(WriteDesignFile, FreshDesignIsWrittenKeyByKeyInItsOrder) {
    const ScratchFolder folder;
    ASSERT_EQ(writeDesignFile(folder / "new.kvd", TStudyDesign{}), DesignWriteStatus::Written);
    EXPECT_EQ(readBytes(folder / "new.kvd"),
              "[Design]\r\nName=\r\nArme=3\r\nFallzahl=120\r\nMulticenter=0\r\nZentren=\r\n"
              "[Arme]\r\nAnzahl=2\r\n"
              "Bez1=\r\nBeschr1=\r\nRatio1=\r\nBez2=\r\nBeschr2=\r\nRatio2=\r\n"
              "[Zentren]\r\nAnzahl=2\r\n"
              "Bez1=\r\nID1=\r\nBeschr1=\r\nFallzahl1=\r\n"
              "Bez2=\r\nID2=\r\nBeschr2=\r\nFallzahl2=\r\n"
              "[Bloecke]\r\nFix=1\r\nGroesse=12\r\nVon=\r\nBis=\r\n"
              "[Zufall]\r\nSeed=\r\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"new.kvd"});
}

TEST(DesignFile, SavingAndLoadingRestoresEveryText) {
    const ScratchFolder folder;
    const TStudyDesign saved = editedDesign();
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", saved), DesignWriteStatus::Written);
    TStudyDesign loaded;
    ASSERT_EQ(readDesignFile(folder / "design.kvd", loaded), DesignReadStatus::Read);
    EXPECT_EQ(loaded, saved);
}

TEST(DesignFile, SavingAgainChangesNothing) {
    const ScratchFolder folder;
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", editedDesign()), DesignWriteStatus::Written);
    const std::string first = readBytes(folder / "design.kvd");
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", editedDesign()), DesignWriteStatus::Written);
    EXPECT_EQ(readBytes(folder / "design.kvd"), first);
}

TEST(DesignFile, VariableModeStillSavesTheFixedSize) {
    const ScratchFolder folder;
    TStudyDesign design;
    design.blockMode = BlockMode::Variable;
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::Written);
    const ProfileReadResult file = readProfileFile(folder / "design.kvd");
    EXPECT_EQ(file.file.readString("Bloecke", "Fix"), "0");
    EXPECT_EQ(file.file.readString("Bloecke", "Groesse"), "12");
}

TEST(DesignFile, StudyNameTypedWithALeadingBlankLoadsWithoutIt) {
    const ScratchFolder folder;
    TStudyDesign design;
    design.studyName = " Studie";
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::Written);
    TStudyDesign loaded;
    ASSERT_EQ(readDesignFile(folder / "design.kvd", loaded), DesignReadStatus::Read);
    EXPECT_EQ(loaded.studyName, "Studie");
}

TEST(ReadDesignFile, FileWithOnlyTheFallzahlGivesTheDefaults) {
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(kFixtures / "only-fallzahl.kvd", design), DesignReadStatus::Read);
    TStudyDesign expected = emptyFileDesign();
    expected.patientCount = "60";
    EXPECT_EQ(design, expected);
    EXPECT_EQ(design.armCount, "3");
    EXPECT_EQ(design.arms.length(), 0);
    EXPECT_EQ(design.blockMode, BlockMode::Variable);
    EXPECT_EQ(design.fixedBlockSize, "12");
}

TEST(ReadDesignFile, MissingFileResetsTheDesign) {
    const ScratchFolder folder;
    TStudyDesign design = editedDesign();
    ASSERT_EQ(readDesignFile(folder / "absent.kvd", design), DesignReadStatus::Read);
    EXPECT_EQ(design.studyName, "");
    EXPECT_EQ(design.patientCount, "120");
    EXPECT_EQ(design.armCount, "3");
    EXPECT_FALSE(design.perCenterLists);
    EXPECT_EQ(design.centerCount, "");
    EXPECT_EQ(design.arms.length(), 0);
    EXPECT_EQ(design.centers.length(), 0);
    EXPECT_EQ(design.blockMode, BlockMode::Variable);
    EXPECT_EQ(design.fixedBlockSize, "12");
    EXPECT_EQ(design.minBlockSize, "");
    EXPECT_EQ(design.maxBlockSize, "");
    EXPECT_EQ(design.seed, "");
}

struct SwitchCase {
    const char* name;
    const char* stored;
    bool on;
};

class ReadDesignFileSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(ReadDesignFileSwitch, ReadsMulticenterAndFixAsIntegers) {
    const ScratchFolder folder;
    const std::string stored = GetParam().stored;
    writeBytes(folder / "d.kvd",
               "[Design]\r\nMulticenter=" + stored + "\r\n[Bloecke]\r\nFix=" + stored + "\r\n");
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(folder / "d.kvd", design), DesignReadStatus::Read);
    EXPECT_EQ(design.perCenterLists, GetParam().on);
    EXPECT_EQ(design.blockMode, GetParam().on ? BlockMode::Fixed : BlockMode::Variable);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadDesignFileSwitch,
                         testing::Values(SwitchCase{"One", "1", true}, SwitchCase{"Zero", "0", false},
                                         SwitchCase{"Hex", "0x1", true}, SwitchCase{"Dollar", "$10", true},
                                         SwitchCase{"Two", "2", true}, SwitchCase{"MinusOne", "-1", true},
                                         SwitchCase{"Yes", "yes", false}, SwitchCase{"True", "true", false},
                                         SwitchCase{"Empty", "", false}),
                         [](const testing::TestParamInfo<SwitchCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(DesignFile, TwoArmsSavedOverAFourArmFileLeaveTheSurplusKeys) {
    const ScratchFolder folder;
    fs::copy_file(kFixtures / "four-arms.kvd", folder / "design.kvd");
    TStudyDesign design;
    design.studyName = "Neu";
    design.armCount = "2";
    design.arms.at(1) = {"Arm 1", "X", "1"};
    design.arms.at(2) = {"Arm 2", "Y", "2"};
    design.centers.setLength(0);
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::Written);
    EXPECT_EQ(readBytes(folder / "design.kvd"),
              "; vier Arme\r\n"
              "[Design]\r\nName=Neu\r\nArme=2\r\nFallzahl=120\r\nMulticenter=0\r\nZentren=\r\n"
              "[Arme]\r\nAnzahl=2\r\n"
              "Bez1=Arm 1\r\nBeschr1=X\r\nRatio1=1\r\n"
              "Bez2=Arm 2\r\nBeschr2=Y\r\nRatio2=2\r\n"
              "Bez3=Arm 3\r\nBeschr3=C\r\nRatio3=1\r\n"
              "Bez4=Arm 4\r\nBeschr4=D\r\nRatio4=1\r\n"
              "[Zentren]\r\nAnzahl=0\r\n"
              "[Bloecke]\r\nFix=1\r\nGroesse=12\r\nVon=\r\nBis=\r\n"
              "[Zufall]\r\nSeed=\r\n");

    TStudyDesign loaded;
    ASSERT_EQ(readDesignFile(folder / "design.kvd", loaded), DesignReadStatus::Read);
    EXPECT_EQ(loaded.arms.length(), 2);
    EXPECT_EQ(loaded.arms.at(2).ratio, "2");
}

TEST(ReadDesignFile, LoadsAHandWrittenWindows1252File) {
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(kFixtures / "windows1252.kvd", design), DesignReadStatus::Read);
    EXPECT_EQ(design.studyName, "Schmerztherapie nach Knie-OP (Phase II)");
    EXPECT_EQ(design.armCount, "2");
    EXPECT_EQ(design.patientCount, "80");
    EXPECT_TRUE(design.perCenterLists);
    EXPECT_EQ(design.centerCount, "2");
    ASSERT_EQ(design.arms.length(), 2);
    EXPECT_EQ(design.arms.at(1), (TStudyArm{"Arm 1", ansi("Verum 20 mg täglich"), "1"}));
    EXPECT_EQ(design.arms.at(2), (TStudyArm{"Arm 2", "Placebo", "1"}));
    ASSERT_EQ(design.centers.length(), 2);
    EXPECT_EQ(design.centers.at(1),
              (TStudyCenter{"Zentrum 1", "101", ansi("Universitätsklinikum Köln – Orthopädie"), "48"}));
    EXPECT_EQ(design.centers.at(2), (TStudyCenter{"Zentrum 2", "205", ansi("Praxis Dr. Müller €"), "32"}));
    EXPECT_EQ(design.blockMode, BlockMode::Variable);
    EXPECT_EQ(design.fixedBlockSize, "8");
    EXPECT_EQ(design.minBlockSize, "4");
    EXPECT_EQ(design.maxBlockSize, "8");
    EXPECT_EQ(design.seed, "1234567");
}

TEST(DesignFile, Utf16FileIsLoadedAndSavedBackAsUtf16) {
    const ScratchFolder folder;
    fs::copy_file(kFixtures / "utf16le.kvd", folder / "design.kvd");
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(folder / "design.kvd", design), DesignReadStatus::Read);
    EXPECT_EQ(design.studyName, ansi("Größenvergleich ?-Studie"));
    ASSERT_EQ(design.arms.length(), 2);
    EXPECT_EQ(design.arms.at(1).description, ansi("Übungstherapie"));
    EXPECT_EQ(design.arms.at(2), (TStudyArm{"Arm 2", ansi("Wärme"), "3"}));
    EXPECT_EQ(design.blockMode, BlockMode::Fixed);
    EXPECT_EQ(design.fixedBlockSize, "4");
    EXPECT_EQ(design.seed, "42");

    design.arms.at(2).description = ansi("Kälte");
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::Written);
    const std::string saved = readBytes(folder / "design.kvd");
    std::string expected = readBytes(kFixtures / "utf16le.kvd");
    const std::u16string before = u"Name=Gr\u00F6\u00DFenvergleich \u03A9-Studie";
    const std::u16string after = u"Name=Gr\u00F6\u00DFenvergleich ?-Studie";
    const auto bytesOf = [](std::u16string_view text) {
        std::string bytes;
        for (char16_t unit : text) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        return bytes;
    };
    expected.replace(expected.find(bytesOf(before)), bytesOf(before).size(), bytesOf(after));
    expected.replace(expected.find(bytesOf(u"W\u00E4rme")), bytesOf(u"W\u00E4rme").size(),
                     bytesOf(u"K\u00E4lte"));
    EXPECT_EQ(saved, expected);
}

TEST(ReadDesignFile, TooManyEntriesLeaveTheDesignUnchanged) {
    for (const char* fixture : {"too-many-arms.kvd", "too-many-centers.kvd"}) {
        TStudyDesign design = editedDesign();
        EXPECT_EQ(readDesignFile(kFixtures / fixture, design), DesignReadStatus::TooManyEntries) << fixture;
        EXPECT_EQ(design, editedDesign()) << fixture;
    }
}

TEST(ReadDesignFile, HighestEntryCountIsAccepted) {
    const ScratchFolder folder;
    writeBytes(folder / "d.kvd", "[Arme]\r\nAnzahl=65536\r\nRatio65536=7\r\n[Zentren]\r\nAnzahl=0x10000\r\n");
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(folder / "d.kvd", design), DesignReadStatus::Read);
    EXPECT_EQ(design.arms.length(), 65536);
    EXPECT_EQ(design.arms.at(65536).ratio, "7");
    EXPECT_EQ(design.centers.length(), 65536);
}

TEST(DesignFile, LongestListsAreSavedAndLoadedAgain) {
    const ScratchFolder folder;
    TStudyDesign design = editedDesign();
    design.arms.setLength(65536);
    design.arms.at(65536) = {"Arm 65536", "letzter Arm", "3"};
    design.centers.setLength(65536);
    design.centers.at(40000) = {"Zentrum 40000", "40000", "Mitte", "12"};
    design.centers.at(65536) = {"Zentrum 65536", "65536", ansi("letztes Zentrum"), "8"};
    ASSERT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::Written);
    TStudyDesign loaded;
    ASSERT_EQ(readDesignFile(folder / "design.kvd", loaded), DesignReadStatus::Read);
    EXPECT_EQ(loaded, design);
}

TEST(ReadDesignFile, EntriesPastTheStoredCountStayStored) {
    const ScratchFolder folder;
    writeBytes(folder / "d.kvd", "[Arme]\r\nAnzahl=2\r\nBeschr1=neu\r\n[Zentren]\r\nAnzahl=-3\r\n");
    TStudyDesign design = editedDesign();
    ASSERT_EQ(readDesignFile(folder / "d.kvd", design), DesignReadStatus::Read);
    ASSERT_EQ(design.arms.length(), 2);
    EXPECT_EQ(design.arms.at(1), (TStudyArm{"", "neu", ""}));
    EXPECT_EQ(design.centers.length(), 0);
    design.arms.setLength(3);
    design.centers.setLength(2);
    EXPECT_EQ(design.arms.at(3), editedDesign().arms.at(3));
    EXPECT_EQ(design.centers.at(2), editedDesign().centers.at(2));
}

TEST(ReadDesignFile, FileThatCannotBeReadLeavesTheDesignUnchanged) {
    const ScratchFolder folder;
    writeBytes(folder / "large.kvd", std::string(ProfileFile::kMaxBytes + 1, ';'));
    fs::create_directory(folder / "folder.kvd");
    for (const char* name : {"large.kvd", "folder.kvd"}) {
        TStudyDesign design = editedDesign();
        EXPECT_EQ(readDesignFile(folder / name, design), DesignReadStatus::CannotOpen) << name;
        EXPECT_EQ(design, editedDesign()) << name;
    }
}

TEST(WriteDesignFile, ExistingFileThatCannotBeReadIsNotReplaced) {
    const ScratchFolder folder;
    const std::string large(ProfileFile::kMaxBytes + 1, ';');
    writeBytes(folder / "large.kvd", large);
    EXPECT_EQ(writeDesignFile(folder / "large.kvd", editedDesign()), DesignWriteStatus::CannotPrepare);
    EXPECT_EQ(readBytes(folder / "large.kvd"), large);

    fs::create_directory(folder / "folder.kvd");
    EXPECT_EQ(writeDesignFile(folder / "folder.kvd", editedDesign()), DesignWriteStatus::CannotPrepare);
    EXPECT_TRUE(fs::is_directory(folder / "folder.kvd"));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"folder.kvd", "large.kvd"}));
}

TEST(WriteDesignFile, MissingFolderIsReportedAndNothingIsCreated) {
    const ScratchFolder folder;
    EXPECT_EQ(writeDesignFile(folder / "absent" / "design.kvd", editedDesign()),
              DesignWriteStatus::CannotWrite);
    EXPECT_TRUE(folder.names().empty());
}

TEST(WriteDesignFile, ContentTheReaderWouldRefuseIsNotWritten) {
    const ScratchFolder folder;
    writeBytes(folder / "design.kvd", "[Design]\r\nName=alt\r\n");
    TStudyDesign design;
    design.arms.setLength(9000);
    for (TStudyArm& arm : design.arms.visible())
        arm.description = std::string(2000, 'x');
    EXPECT_EQ(writeDesignFile(folder / "design.kvd", design), DesignWriteStatus::CannotWrite);
    EXPECT_EQ(readBytes(folder / "design.kvd"), "[Design]\r\nName=alt\r\n");
}

// The bundled examples are files as the program saves them: loading one and saving the design into a new
// file gives the example byte for byte, and saving it over a copy of the example changes nothing.
class ExampleDesignFile : public testing::TestWithParam<const char*> {};

TEST_P(ExampleDesignFile, IsWrittenAgainByteForByte) {
    const fs::path example = fs::path(KELVARON_EXAMPLES_DIR) / GetParam();
    const std::string stored = readBytes(example);
    ASSERT_FALSE(stored.empty());
    TStudyDesign design;
    ASSERT_EQ(readDesignFile(example, design), DesignReadStatus::Read);

    const ScratchFolder folder;
    ASSERT_EQ(writeDesignFile(folder / "new.kvd", design), DesignWriteStatus::Written);
    EXPECT_EQ(readBytes(folder / "new.kvd"), stored);
    writeBytes(folder / "copy.kvd", stored);
    ASSERT_EQ(writeDesignFile(folder / "copy.kvd", design), DesignWriteStatus::Written);
    EXPECT_EQ(readBytes(folder / "copy.kvd"), stored);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleDesignFile,
                         testing::Values("studie-x.kvd", "default-design.kvd", "multicenter.kvd",
                                         "variable-blocks.kvd"),
                         [](const testing::TestParamInfo<const char*>& testCase) {
                             std::string name = fs::path(testCase.param).stem().string();
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace kelvaron
