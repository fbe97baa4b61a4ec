// Designs that once hung, crashed or used up the memory, each kept as a small fixture file.
#include "support/ModelFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using Kind = test::ShownMessage::Kind;

const std::filesystem::path kFixtures = "fixtures";

struct Regression : ::testing::Test, test::ModelFixture {
    GenerationOutcome generate(const std::filesystem::path& fixture) {
        model.loadDesign(kFixtures / fixture);
        EXPECT_TRUE(model.TabSheetDesignExit());
        return model.BitBtnStartClick();
    }
};

// The drawn positions never reach the last one of a block above 2^23 patients; with the last arm's ratio
// 0 nothing else may take it, and the allocation drew for it without end.
TEST_F(Regression, ABlockAboveTwoToTheTwentyThirdWithTheLastArmAtRatioZeroIsRefused) {
    EXPECT_EQ(generate("last-arm-ratio-0-block-above-2-23.kvd"), GenerationOutcome::Stopped);
    EXPECT_EQ(prompter.shown,
              (std::vector<test::ShownMessage>{{Kind::Note, message("MessageBlockSizeTooLarge")}}));
    EXPECT_EQ(model.activePage(), Page::Block);
    EXPECT_EQ(model.listText, "Letzter Arm ohne Anteil\n");
}

// A center planned with a negative size (a typo such as -6) reached a reservation of that many lines as
// an unsigned size, and std::length_error ended the program. The center keeps its heading, has no patient
// line, and the other centers' lists follow.
TEST_F(Regression, ANegativeCenterSizeWithVariableBlocksAndNoAnswersGivesThatCenterNoLines) {
    prompter.answers = {false, false, false, false};
    EXPECT_EQ(generate("negative-center-variable-blocks.kvd"), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText, "Zentrum mit negativer Fallzahl\n"
                              "Zentrum 1\tNord - Seed: (371215200)\n"
                              "Zentrum 2\tSued - Seed: (1461168128)\n"
                              "1\t1\tVerum\n2\t2\tPlacebo\n------- Block ------\n"
                              "3\t1\tVerum\n4\t2\tPlacebo\n------- Block ------\n");
    EXPECT_EQ(prompter.shown.size(), 4u) << "the two questions for each center, each answered No";
}

TEST_F(Regression, ANegativeCenterSizeWithFixedBlocksOfOneAsksNothingAndGivesNoLines) {
    EXPECT_EQ(generate("negative-center-fixed-blocks-of-one.kvd"), GenerationOutcome::Generated);
    EXPECT_EQ(model.listText,
              "Ein Arm, Zentrum mit negativer Fallzahl\nZentrum 1\tNord - Seed: (371215200)\n");
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
} // namespace kelvaron
