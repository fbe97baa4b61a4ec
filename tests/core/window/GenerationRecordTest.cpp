// The record a generation leaves beside its list text, and the window's report and tables made from it.
#include "core/audit/ListCsv.h"
#include "core/platform/FileChooser.h"
#include "core/text/Sha256.h"
#include "core/window/ListExport.h"
#include "support/ModelFixture.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace kelvaron {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct GenerationRecordTest : ::testing::Test, test::ModelFixture {
    // "Studie X": two arms A and B of ratio 1, fixed blocks of 2, seed 17, four patients.
    void studieX() {
        auto& design = model.design;
        design.studyName = "Studie X";
        design.seed = "17";
        design.fixedBlockSize = "2";
        design.patientCount = "4";
        design.armCount = "2";
        ASSERT_TRUE(model.TabSheetDesignExit());
        design.arms.at(1).description = "A";
        design.arms.at(2).description = "B";
    }
    // Two centers of 10 and 2 patients in variable blocks of 4 to 5: the first center's plan fails (a rest of
    // 2 remains after two blocks), the second has one block cut to its 2 patients.
    void centerWithFailingPlan() {
        auto& design = model.design;
        design.seed = "12345";
        design.perCenterLists = true;
        design.centerCount = "2";
        design.patientCount = "120";
        design.armCount = "2";
        model.CheckBoxZentrenClick();
        ASSERT_TRUE(model.TabSheetDesignExit());
        design.blockMode = BlockMode::Variable;
        design.minBlockSize = "4";
        design.maxBlockSize = "5";
        for (std::int32_t c = 1; c <= 2; ++c) {
            design.centers.at(c).number = std::to_string(100 + c);
            design.centers.at(c).description = "Klinik " + std::to_string(c);
        }
        design.centers.at(1).plannedSize = "10";
        design.centers.at(2).plannedSize = "2";
        prompter.shown.clear();
    }
    test::ScratchFolder folder;
};

TEST_F(GenerationRecordTest, TheStudieXListIsRecordedAsWritten) {
    studieX();
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    ASSERT_TRUE(model.generation());
    const GenerationRecord& record = *model.generation();
    EXPECT_EQ(record.design, model.design);
    EXPECT_EQ(record.armRatios, (std::vector<std::int32_t>{1, 1}));
    EXPECT_TRUE(record.markBlocks);
    EXPECT_TRUE(record.printSeed);
    EXPECT_TRUE(record.questions.empty());
    EXPECT_EQ(record.studySeed, 17);
    // The list "1 2 B / 2 1 A / 3 2 B / 4 1 A" in two blocks of 2.
    EXPECT_EQ(record.lists, (std::vector<ListRecord>{{false, "", "", 17, {2, 2}, {2, 1, 2, 1}}}));
    EXPECT_EQ(model.working().armRatios, record.armRatios) << "the window keeps its working values";
}

TEST_F(GenerationRecordTest, QuestionsAreRecordedWithTheirAnswersAndAFailedCenterHasNoPatients) {
    centerWithFailingPlan();
    prompter.answers = {false, false, false, false};
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    ASSERT_TRUE(model.generation());
    const GenerationRecord& record = *model.generation();
    std::vector<AnsweredQuestion> asked;
    for (const auto& shown : prompter.shown) {
        if (shown.kind == test::ShownMessage::Kind::Question)
            asked.push_back({shown.text, false});
    }
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(record.questions, asked);
    ASSERT_EQ(record.lists.size(), 2U);
    const ListRecord& failed = record.lists[0];
    EXPECT_TRUE(failed.perCenter);
    EXPECT_EQ(failed.centerNumber, "101");
    EXPECT_EQ(failed.centerDescription, "Klinik 1");
    EXPECT_TRUE(failed.blockSizes.empty());
    EXPECT_TRUE(failed.patientArms.empty());
    const ListRecord& second = record.lists[1];
    EXPECT_EQ(second.centerNumber, "102");
    EXPECT_EQ(second.patientArms.size(), 2U);
    EXPECT_EQ(second.blockSizes, (std::vector<std::int32_t>{2}));
    // Each list's seed is the one its heading prints.
    for (const auto& list : record.lists) {
        EXPECT_NE(model.listText.find("Klinik " + list.centerNumber.substr(2) + " - Seed: (" +
                                      std::to_string(list.seed) + ")\n"),
                  std::string::npos);
    }
}

TEST_F(GenerationRecordTest, AStoppedGenerationAndAClearedListLeaveNoRecord) {
    studieX();
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    model.clearList();
    EXPECT_FALSE(model.generation());
    EXPECT_TRUE(model.listText.empty());
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    model.design.patientCount = "";
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Stopped);
    EXPECT_FALSE(model.generation());
}

TEST_F(GenerationRecordTest, OpeningADesignDropsTheRecordWithTheList) {
    studieX();
    const auto design = folder / "studie.kvd";
    model.saveDesign(design);
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    model.loadDesign(design);
    EXPECT_FALSE(model.generation());
    EXPECT_FALSE(model.generationDesignFile());
    EXPECT_FALSE(model.saveReport(folder / "bericht.txt", "", {"Kelvaron", "1.5.10", "00"}));
    EXPECT_EQ(prompter.texts().back(), message("MessageNoGeneratedList"));
}

TEST_F(GenerationRecordTest, TablesAndReportDescribeOnlyTheListAsGenerated) {
    const auto csv = folder / "liste.csv";
    const auto report = folder / "bericht.txt";
    const ProgramIdentity program{"Kelvaron", "1.5.10", "00"};
    EXPECT_FALSE(model.exportList({csv, ExportType::Csv}, ""));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{message("MessageNoGeneratedList")});

    studieX();
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    prompter.shown.clear();
    const std::string edited = model.listText + "von Hand\n";
    EXPECT_FALSE(model.exportList({csv, ExportType::Csv}, edited));
    EXPECT_FALSE(model.exportList({csv, ExportType::Redcap}, edited));
    EXPECT_FALSE(model.saveReport(report, edited, program));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>(3, message("MessageListEdited")));
    EXPECT_FALSE(std::filesystem::exists(csv));
    EXPECT_FALSE(std::filesystem::exists(report));
    // The plain text export keeps exporting the view's text.
    const auto text = folder / "liste.txt";
    EXPECT_TRUE(model.exportList({text, ExportType::Text}, edited));
    EXPECT_EQ(readBytes(text), exportText(edited));

    prompter.shown.clear();
    EXPECT_TRUE(model.exportList({csv, ExportType::Csv}, model.listText));
    EXPECT_EQ(readBytes(csv), listCsv(*model.generation()));
    EXPECT_TRUE(model.saveReport(report, model.listText, program));
    EXPECT_TRUE(prompter.shown.empty());
    const std::string digest = "SHA-256 der exportierten Liste: " + Sha256::hexOf(exportText(model.listText));
    EXPECT_NE(readBytes(report).find(digest), std::string::npos);
}

TEST_F(GenerationRecordTest, TheReportNamesTheDesignFileOnlyWhileTheDesignIsTheFilesOwn) {
    studieX();
    const auto design = folder / "studie.kvd";
    model.saveDesign(design);
    const ProgramIdentity program{"Kelvaron", "1.5.10", "00"};
    const auto report = folder / "bericht.txt";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.generationDesignFile(), design);
    ASSERT_TRUE(model.saveReport(report, model.listText, program));
    EXPECT_NE(readBytes(report).find("SHA-256 der Designdatei: " + Sha256::hexOf(readBytes(design))),
              std::string::npos);
    model.design.studyName = "Studie Y";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_FALSE(model.generationDesignFile());
    ASSERT_TRUE(model.saveReport(report, model.listText, program));
    EXPECT_EQ(readBytes(report).find("Designdatei"), std::string::npos);
}

} // namespace
} // namespace kelvaron
