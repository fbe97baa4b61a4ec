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

} // namespace
} // namespace kelvaron
