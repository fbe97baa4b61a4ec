#include "support/ModelFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using test::ansi;

struct ListSession : test::ModelFixture {
    // Two arms A and B of ratio 1, as the design page leaves them.
    // Leaves the design page; false when it sends the user back (more arms than patients).
    bool twoArms(const std::string& patients) {
        auto& design = model.design;
        design.patientCount = patients;
        design.armCount = "2";
        const bool left = model.TabSheetDesignExit();
        design.arms.at(1).description = "A";
        design.arms.at(2).description = "B";
        return left;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::size_t start = 0;
        const auto& text = model.listText;
        for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        EXPECT_EQ(start, text.size()) << "the text ends with a line feed";
        return result;
    }
};
struct GenerateList : ::testing::Test, ListSession {};

TEST_F(GenerateList, TheExampleListOfStudieX) {
    model.design.studyName = "Studie X";
    model.design.seed = "17";
    model.design.fixedBlockSize = "2";
    ASSERT_TRUE(twoArms("4"));
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, "Studie X\nSeed: (17)\n1\t2\tB\n2\t1\tA\n------- Block ------\n"
                              "3\t2\tB\n4\t1\tA\n------- Block ------\n");
    EXPECT_TRUE(prompter.shown.empty());
    // An unchanged design gives the same bytes again.
    const auto first = model.listText;
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, first);
}

TEST_F(GenerateList, ListOptionsOffAndAnEmptyTitle) {
    model.design.seed = "17";
    model.design.fixedBlockSize = "2";
    model.options = {false, false};
    ASSERT_TRUE(twoArms("4"));
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, "\n\n1\t2\tB\n2\t1\tA\n3\t2\tB\n4\t1\tA\n");
}

TEST_F(GenerateList, SeedTextsAreUsedByTheirMagnitude) {
    model.design.fixedBlockSize = "2";
    ASSERT_TRUE(twoArms("4"));
    model.design.seed = "-17";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto negative = lines();
    EXPECT_EQ(negative[1], "Seed: (17)");
    model.design.seed = "17";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(lines(), negative);
    // Seed 0 runs as seed 1 but is printed as 0.
    model.design.seed = "0";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto zero = lines();
    model.design.seed = "1";
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    auto one = lines();
    EXPECT_EQ(zero[1], "Seed: (0)");
    one[1] = "Seed: (0)";
    EXPECT_EQ(zero, one);
}

TEST_F(GenerateList, NoPatientsGiveTitleAndSeedOnly) {
    model.design.seed = "5";
    model.design.studyName = "Leer";
    EXPECT_FALSE(twoArms("0"));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{message("MessageArmPatientCount")}));
    prompter.shown.clear();
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, "Leer\nSeed: (5)\n");
    // The generation's own check warns about the arm count but does not stop.
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{message("MessageArmPatientCount")}));
}

TEST_F(GenerateList, NumbersAreWrittenInFullAndEveryListEndsWithASeparator) {
    model.design.seed = "99";
    model.design.fixedBlockSize = "4";
    ASSERT_TRUE(twoArms("12"));
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto all = lines();
    EXPECT_EQ(all.back(), "------- Block ------");
    EXPECT_EQ(all[all.size() - 4].substr(0, 3), "10\t");
    EXPECT_EQ(all[all.size() - 5].substr(0, 2), "9\t");
}

TEST_F(GenerateList, AListTextBeyondAGigabyteIsRefusedBeforeItIsWritten) {
    model.design.studyName = "Lang";
    model.design.seed = "1";
    model.design.fixedBlockSize = "2";
    ASSERT_TRUE(twoArms("1000000"));
    model.design.arms.at(1).description = std::string(1100, 'A');
    prompter.shown.clear();
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Stopped);
    EXPECT_EQ(model.listText, "Lang\n");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{message("MessageListTextTooLarge")}));
    EXPECT_EQ(model.activePage(), Page::Arme);
}

struct PerCenterSession : ListSession {
    void centers(std::initializer_list<const char*> sizes, const std::string& seed = "12345") {
        auto& design = model.design;
        design.seed = seed;
        design.perCenterLists = true;
        design.centerCount = std::to_string(sizes.size());
        design.fixedBlockSize = "2";
        model.CheckBoxZentrenClick();
        ASSERT_TRUE(twoArms("120"));
        std::int32_t c = 1;
        for (const char* size : sizes) {
            design.centers.at(c).description = "Klinik " + std::to_string(c);
            design.centers.at(c++).plannedSize = size;
        }
        prompter.shown.clear();
    }
};
struct PerCenter : ::testing::Test, PerCenterSession {};

TEST_F(PerCenter, CenterSeedsComeFromTheStudySeedWhateverTheCenterCount) {
    centers({"4", "4", "4"});
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto three = lines();
    EXPECT_EQ(three[0], "");
    EXPECT_EQ(three[1], "Zentrum 1\tKlinik 1 - Seed: (1982386304)");
    EXPECT_EQ(three[8], "Zentrum 2\tKlinik 2 - Seed: (715426880)");
    EXPECT_EQ(three[15], "Zentrum 3\tKlinik 3 - Seed: (424962144)");
    EXPECT_EQ(three.size(), 22u);

    PerCenterSession one;
    one.centers({"4"});
    ASSERT_EQ(one.model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto single = one.lines();
    EXPECT_EQ(std::vector<std::string>(three.begin(), three.begin() + 8), single);
}

TEST_F(PerCenter, WithoutSeedsTheHeadingEndsAfterTheDescription) {
    centers({"2"});
    model.options.printSeed = false;
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(lines()[1], "Zentrum 1\tKlinik 1");
}

TEST_F(PerCenter, SeedTwoToTheThirtyFirstMinusOneGivesCenterSeedZeroThatRunsAsSeedOne) {
    centers({"4"}, "2147483647");
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto degenerate = lines();
    EXPECT_EQ(degenerate[1], "Zentrum 1\tKlinik 1 - Seed: (0)");

    ListSession single;
    single.model.design.seed = "1";
    single.model.design.fixedBlockSize = "2";
    ASSERT_TRUE(single.twoArms("4"));
    ASSERT_EQ(single.model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto seedOne = single.lines();
    EXPECT_EQ(std::vector<std::string>(degenerate.begin() + 2, degenerate.end()),
              std::vector<std::string>(seedOne.begin() + 2, seedOne.end()));
}

TEST_F(PerCenter, ACenterCountOfZeroIsAnInternalError) {
    centers({"4"});
    model.design.centerCount = "0";
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Stopped);
    EXPECT_EQ(model.listText, "");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Internal Error #61"}));
}

TEST_F(PerCenter, AFailedCenterPlanKeepsItsHeadingAndTheNextCenterFollows) {
    centers({"10", "4"});
    model.design.blockMode = BlockMode::Variable;
    model.design.minBlockSize = "4";
    model.design.maxBlockSize = "5";
    prompter.answers = {false, false, false, false};
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto all = lines();
    EXPECT_EQ(all[1].substr(0, 10), "Zentrum 1\t");
    EXPECT_EQ(all[2].substr(0, 10), "Zentrum 2\t");
    EXPECT_EQ(prompter.texts().back(), message("MessageBlockRestictions"));
}

// A planned size of 0 or less goes through when the user declines to cancel: the center keeps its heading
// and has no patient line, whatever the size (the smallest 32-bit value included), and the next center's
// list follows unchanged.
TEST_F(PerCenter, ACenterOfNoOrNegativelyManyPatientsHasItsHeadingAndNoLines) {
    PerCenterSession reference;
    reference.centers({"4", "4"});
    reference.model.design.blockMode = BlockMode::Variable;
    reference.model.design.minBlockSize = "2";
    reference.model.design.maxBlockSize = "4";
    ASSERT_EQ(reference.model.BitBtnStartClick(), GenerationOutcome::Generated);
    const auto expected = reference.lines();
    const auto secondCenter = std::find_if(expected.begin(), expected.end(), [](const std::string& line) {
        return line.starts_with("Zentrum 2\t");
    });
    ASSERT_NE(secondCenter, expected.end());

    for (const char* size : {"0", "-1", "-6", "-2147483648"}) {
        PerCenterSession session;
        session.centers({size, "4"});
        session.model.design.blockMode = BlockMode::Variable;
        session.model.design.minBlockSize = "2";
        session.model.design.maxBlockSize = "4";
        session.prompter.answers = std::deque<bool>(8, false);
        ASSERT_EQ(session.model.BitBtnStartClick(), GenerationOutcome::Generated) << size;
        const auto all = session.lines();
        ASSERT_GE(all.size(), 3u) << size;
        EXPECT_EQ(all[1], expected[1]) << size;
        EXPECT_EQ(std::vector<std::string>(all.begin() + 2, all.end()),
                  std::vector<std::string>(secondCenter, expected.end()))
            << size;
    }
}

// The design page refuses a patient count below the arm count, but a count changed afterwards reaches
// the generation: a single list of negatively many patients has title and seed and no line.
TEST_F(GenerateList, ANegativePatientCountAfterTheDesignPageGivesNoLines) {
    model.design.studyName = "S";
    model.design.seed = "17";
    model.design.fixedBlockSize = "2";
    ASSERT_TRUE(twoArms("4"));
    model.design.patientCount = "-4";
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, "S\nSeed: (17)\n");
}

TEST_F(GenerateList, AFailedSinglePlanLeavesTitleAndSeed) {
    model.design.studyName = "S";
    model.design.seed = "3";
    model.design.blockMode = BlockMode::Variable;
    model.design.minBlockSize = "4";
    model.design.maxBlockSize = "5";
    ASSERT_TRUE(twoArms("10"));
    prompter.shown.clear();
    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Stopped);
    EXPECT_EQ(model.listText, "S\nSeed: (3)\n");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{message("MessageBlockRestictions")}));
}

} // namespace
} // namespace kelvaron
