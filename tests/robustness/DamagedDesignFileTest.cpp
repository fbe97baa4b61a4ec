// Loading design files that were cut short or are no text at all: the design gets the defaults of the
// missing keys and the start of a cut value, or the catalogue message and no change.
#include "core/text/PathText.h"
#include "core/text/ProfileFile.h"
#include "support/ModelFixture.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

const fs::path kExamples = KELVARON_EXAMPLES_DIR;

// The design that loading a file without any key gives in a freshly started program.
TStudyDesign defaultsOfAnEmptyFile() {
    TStudyDesign design;
    design.arms.setLength(0);
    design.centers.setLength(0);
    design.blockMode = BlockMode::Variable;
    return design;
}

// The texts of the design page and the block page, always in this order.
std::vector<const std::string*> pageTexts(const TStudyDesign& design) {
    return {&design.studyName,      &design.armCount,     &design.patientCount, &design.centerCount,
            &design.fixedBlockSize, &design.minBlockSize, &design.maxBlockSize, &design.seed};
}

std::vector<const std::string*> entryTexts(const TStudyDesign& design, std::int32_t arm,
                                           std::int32_t center) {
    std::vector<const std::string*> texts;
    if (design.arms.contains(arm)) {
        const TStudyArm& entry = design.arms.at(arm);
        texts = {&entry.label, &entry.description, &entry.ratio};
    }
    if (design.centers.contains(center)) {
        const TStudyCenter& entry = design.centers.at(center);
        texts = {&entry.label, &entry.number, &entry.description, &entry.plannedSize};
    }
    return texts;
}

// A design loaded from the first bytes of the file of `whole`: every text is the default of its key (the
// key was cut off) or the start of the whole value (its line was cut), and no list is longer.
::testing::AssertionResult loadedFromAStart(const TStudyDesign& loaded, const TStudyDesign& whole) {
    const TStudyDesign fallback = defaultsOfAnEmptyFile();
    const auto texts = pageTexts(loaded);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i] != *pageTexts(fallback)[i] && !pageTexts(whole)[i]->starts_with(*texts[i]))
            return ::testing::AssertionFailure()
                   << "'" << *texts[i] << "' for '" << *pageTexts(whole)[i] << "'";
    }
    if (loaded.arms.length() > whole.arms.length() || loaded.centers.length() > whole.centers.length())
        return ::testing::AssertionFailure() << "a list grew";
    const auto entryIsAStart = [&](std::int32_t arm, std::int32_t center) {
        const auto cut = entryTexts(loaded, arm, center);
        const auto complete = entryTexts(whole, arm, center);
        for (std::size_t i = 0; i < cut.size(); ++i) {
            if (!complete[i]->starts_with(*cut[i]))
                return false;
        }
        return true;
    };
    for (std::int32_t arm = 1; arm <= loaded.arms.length(); ++arm) {
        if (!entryIsAStart(arm, 0))
            return ::testing::AssertionFailure() << "arm " << arm;
    }
    for (std::int32_t center = 1; center <= loaded.centers.length(); ++center) {
        if (!entryIsAStart(0, center))
            return ::testing::AssertionFailure() << "center " << center;
    }
    if (loaded.perCenterLists && !whole.perCenterLists)
        return ::testing::AssertionFailure() << "per-center lists";
    if (loaded.blockMode != fallback.blockMode && loaded.blockMode != whole.blockMode)
        return ::testing::AssertionFailure() << "block mode";
    return ::testing::AssertionSuccess();
}

TEST(DamagedDesignFiles, AFileCutAtAnyByteLoadsTheStartOfEachValueOrItsDefault) {
    for (const char* example :
         {"studie-x.kvd", "multicenter.kvd", "variable-blocks.kvd", "default-design.kvd"}) {
        const std::string bytes = readBytes(kExamples / example);
        test::ModelFixture complete;
        complete.model.loadDesign(kExamples / example);
        const ScratchFolder folder;
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const fs::path cut = folder / "cut.kvd";
            writeBytes(cut, std::string_view(bytes).substr(0, length));
            test::ModelFixture session;
            session.model.loadDesign(cut);
            EXPECT_TRUE(session.prompter.shown.empty()) << example << " cut at " << length;
            EXPECT_TRUE(loadedFromAStart(session.model.design, complete.model.design))
                << example << " cut at " << length;
            EXPECT_EQ(session.model.activePage(), Page::Design);
            EXPECT_EQ(session.model.focus(), FocusTarget::EditAnz);
        }
    }
}

// Bytes of no text file: nothing in them is a section of the design, so every key takes its default.
TEST(DamagedDesignFiles, BinaryFilesGiveTheDefaults) {
    std::mt19937 engine(4711);
    std::string noise(64 * 1024, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(engine() % 256);
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"zeros", std::string(4096, '\0')},
        {"noise", noise},
        {"UTF-16 mark alone", "\xFF\xFE"},
        {"UTF-16 with an odd byte", std::string("\xFE\xFF\0[\0D\0e", 8) + "s"},
        {"picture header", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {"archive header", std::string("PK\x03\x04\x14\0\0\0\x08\0", 10) + "[Design]"},
    };
    for (const auto& [name, bytes] : files) {
        const ScratchFolder folder;
        writeBytes(folder / "binary.kvd", bytes);
        test::ModelFixture session;
        session.model.loadDesign(folder / "binary.kvd");
        EXPECT_TRUE(session.prompter.shown.empty()) << name;
        EXPECT_EQ(session.model.design, defaultsOfAnEmptyFile()) << name;
    }
}

// Files the reader refuses: the catalogue message with the path, and the design as it was.
TEST(DamagedDesignFiles, RefusedFilesShowTheCatalogueMessageAndChangeNothing) {
    const ScratchFolder folder;
    writeBytes(folder / "huge.kvd", std::string(ProfileFile::kMaxBytes + 1, '['));
    fs::create_directory(folder / "folder.kvd");
    writeBytes(folder / "entries.kvd", "[Design]\r\nName=x\r\n[Zentren]\r\nAnzahl=65537\r\n");
    const std::pair<const char*, const char*> files[] = {
        {"huge.kvd", "MessageErrorFileOpen"},
        {"folder.kvd", "MessageErrorFileOpen"},
        {"entries.kvd", "MessageErrorFileContent"},
    };
    for (const auto& [name, key] : files) {
        test::ModelFixture session;
        session.model.design.studyName = "Vorher";
        const TStudyDesign before = session.model.design;
        session.model.loadDesign(folder / name);
        EXPECT_EQ(session.prompter.texts(),
                  std::vector<std::string>{session.message(key) + " " + pathText(folder / name)})
            << name;
        EXPECT_EQ(session.model.design, before) << name;
        EXPECT_EQ(session.model.activePage(), Page::Design) << name;
    }
}

} // namespace
} // namespace kelvaron
