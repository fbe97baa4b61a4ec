#include "core/design/GenerationChecks.h"

#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormLang.h"
#include "support/FakePrompter.h"
#include "support/TestText.h"

#include <functional>
#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using Kind = test::ShownMessage::Kind;
using test::ansi;

// A design as the design page leaves it: arms with their ratios, seed 17, fixed blocks of 12.
TStudyDesign designWith(std::vector<std::string> ratios, const std::string& patients) {
    TStudyDesign design;
    design.seed = "17";
    design.patientCount = patients;
    design.armCount = std::to_string(ratios.size());
    design.arms.setLength(static_cast<std::int32_t>(ratios.size()));
    for (std::size_t k = 0; k < ratios.size(); ++k)
        design.arms.at(static_cast<std::int32_t>(k + 1)).ratio = ratios[k];
    return design;
}

struct CheckRun {
    test::FakePrompter prompter;
    FormTable formLang = makeFormLang();
    Messages messages{formLang, prompter};
    CheckedDesign checked;
    WorkingValues& working = checked.working;
    Page page = Page::Liste;

    bool check(const TStudyDesign& design, std::deque<bool> answers = {}) {
        prompter.answers = std::move(answers);
        // The design page has stored the arm and patient counts before any generation.
        working.armCount = design.arms.length();
        working.patientCount = std::stoi(design.patientCount);
        const GenerationCheckContext context{design, messages};
        checked.pageToActivate.reset();
        const bool proceeds = CheckGeneration(context, checked) && CheckGenerationLimits(context, checked);
        page = checked.pageToActivate.value_or(page);
        return proceeds;
    }
    std::string text(std::string_view key) const { return formLang.captionOf(key); }
};

struct Case {
    const char* name;
    std::function<TStudyDesign()> design;
    std::deque<bool> answers;
    bool proceeds;
    std::vector<std::pair<Kind, std::string>> shown; // texts: catalogue key, or "=" + literal text
    Page page;
};

std::vector<Case> cases() {
    auto fixedBlocks = [](std::vector<std::string> ratios, std::string patients, std::string block) {
        return [=] {
            auto design = designWith(ratios, patients);
            design.fixedBlockSize = block;
            return design;
        };
    };
    auto variableBlocks = [](std::vector<std::string> ratios, std::string patients, std::string min,
                             std::string max) {
        return [=] {
            auto design = designWith(ratios, patients);
            design.blockMode = BlockMode::Variable;
            design.minBlockSize = min;
            design.maxBlockSize = max;
            return design;
        };
    };
    const std::string armSample = "=" + std::string(fixed::kArmCountSampleSize);
    const std::string blockPatients = "=" + std::string(fixed::kBlockSizePatientCount);
    return {
        {"ThreeEqualArmsFitTheDefaultDesign",
         fixedBlocks({"1", "1", "1"}, "120", "12"),
         {},
         true,
         {},
         Page::Liste},
        {"OneMorePatientAsksThenStopsAtTheBlockSize",
         fixedBlocks({"1", "1", "1"}, "121", "12"),
         {false},
         false,
         {{Kind::Question, armSample}, {Kind::Box, blockPatients}},
         Page::Block},
        {"YesToTheQuestionCancelsOnTheArmsPage",
         fixedBlocks({"1", "1", "1"}, "121", "12"),
         {true},
         false,
         {{Kind::Question, armSample}},
         Page::Arme},
        {"UnequalRatiosNotDividingTheBlockAskAndMayGoOn",
         fixedBlocks({"2", "1", "1"}, "120", "6"),
         {false},
         true,
         {{Kind::Question, "MessageRatioSampleSize"}},
         Page::Liste},
        {"UnequalRatiosNotDividingThePatientsStopAtTheBlockSize",
         fixedBlocks({"2", "1", "1"}, "120", "16"),
         {},
         false,
         {{Kind::Box, "MessageRatioSampleSize2"}},
         Page::Block},
        {"VariableSmallestBlockWithinHalfTheListProceeds",
         variableBlocks({"1", "1"}, "10", "4", "8"),
         {},
         true,
         {},
         Page::Liste},
        {"VariableSmallestBlockAboveHalfTheListAsks",
         variableBlocks({"1", "1"}, "10", "6", "8"),
         {true},
         false,
         {{Kind::Question, "=" + std::string(fixed::kMinBlockSizeArmCount)}},
         Page::Block},
        {"EqualSmallestAndLargestBlockStop",
         variableBlocks({"1", "1"}, "10", "4", "4"),
         {},
         false,
         {{Kind::Box, "=" + std::string(fixed::kMinBelowMaxBlockSize)}},
         Page::Block},
        {"UnequalRatiosWithEqualBlockSizesUseTheCatalogue",
         variableBlocks({"2", "1"}, "12", "6", "6"),
         {},
         false,
         {{Kind::Box, "MessageBlockSize"}},
         Page::Block},
        {"AnEmptySeedIsNoNumber",
         [] {
             auto design = designWith({"1", "1"}, "12");
             design.seed.clear();
             return design;
         },
         {},
         false,
         {{Kind::Note, "=" + ansi("Eingabewert: gültige Zahl im Bereich von 1 bis 2147483647")}},
         Page::Liste},
        {"ARatioThatIsNoNumber",
         fixedBlocks({"1", "x"}, "12", "4"),
         {},
         false,
         {{Kind::Note, "MessageValidRatio"}},
         Page::Liste},
        {"ABlockSizeThatIsNoNumber",
         fixedBlocks({"1", "1"}, "12", ""),
         {},
         false,
         {{Kind::Note, "MessageValidBlockSize"}},
         Page::Liste},
        {"AnArmCountThatIsNoNumber",
         [] {
             auto design = designWith({"1", "1"}, "12");
             design.armCount = "zwei";
             return design;
         },
         {},
         false,
         {{Kind::Note, "MessageArmCount"}},
         Page::Design},
        {"MoreArmsThanPatientsOnlyWarns",
         fixedBlocks({"1", "1", "1"}, "0", "3"),
         {},
         true,
         {{Kind::Note, "MessageArmPatientCount"}},
         Page::Design},
        // Values no division or plan can take.
        {"NoArmsCannotBeDivided",
         [] { return designWith({}, "12"); },
         {},
         false,
         {{Kind::Note, "MessageArmCountRange"}},
         Page::Design},
        {"RatiosAddingUpToZero",
         fixedBlocks({"0", "0"}, "12", "4"),
         {},
         false,
         {{Kind::Note, "MessageRatioRange"}},
         Page::Arme},
        {"ANegativeRatio",
         fixedBlocks({"3", "-1"}, "12", "4"),
         {},
         false,
         {{Kind::Note, "MessageRatioRange"}},
         Page::Arme},
        {"RatiosWhoseSumLeavesThirtyTwoBits",
         fixedBlocks({"2147483647", "1"}, "12", "4"),
         {},
         false,
         {{Kind::Note, "MessageRatioRange"}},
         Page::Arme},
        {"AFixedBlockSizeOfZero",
         fixedBlocks({"1", "1"}, "12", "0"),
         {},
         false,
         {{Kind::Note, "MessageBlockSizeRange"}},
         Page::Block},
        {"ANegativeFixedBlockSizeThatDividesTheList",
         fixedBlocks({"1", "1"}, "12", "-4"),
         {},
         false,
         {{Kind::Note, "MessageBlockSizeRange"}},
         Page::Block},
        {"ASmallestBlockBelowTheArmCountAfterNo",
         variableBlocks({"1", "1", "1"}, "30", "2", "9"),
         {false},
         false,
         {{Kind::Question, "=" + std::string(fixed::kMinBlockSizeArmCount)},
          {Kind::Note, "MessageMinBlockSizeRange"}},
         Page::Block},
        {"AListLongerThanTheProgramHolds",
         fixedBlocks({"1", "1"}, "10000002", "2"),
         {},
         false,
         {{Kind::Note, "MessageListTooLong"}},
         Page::Design},
        {"TenMillionPatientsAreHeld", fixedBlocks({"1", "1"}, "10000000", "2"), {}, true, {}, Page::Liste},
        {"ARatioTimesTheBlockBeyondThirtyTwoBits",
         fixedBlocks({"1000000000", "1"}, "12", "3"),
         {false, false},
         false,
         {{Kind::Question, "MessageRatioSampleSize"},
          {Kind::Question, "MessageRatioSampleSize"},
          {Kind::Note, "MessageBlockSizeTooLarge"}},
         Page::Block},
        {"ALargestBlockThatCouldPassTheThirtyTwoBitRange",
         variableBlocks({"1", "1"}, "100", "4", "2147483647"),
         {},
         false,
         {{Kind::Note, "MessageBlockSizeTooLarge"}},
         Page::Block},
    };
}

class GenerationChecks : public ::testing::TestWithParam<Case> {};

TEST_P(GenerationChecks, ShowTheirMessagesAndDecide) {
    const Case& c = GetParam();
    CheckRun run;
    EXPECT_EQ(run.check(c.design(), c.answers), c.proceeds);
    std::vector<test::ShownMessage> expected;
    for (const auto& [kind, key] : c.shown)
        expected.push_back({kind, key.front() == '=' ? key.substr(1) : run.text(key)});
    EXPECT_EQ(run.prompter.shown, expected);
    EXPECT_EQ(run.page, c.page);
}

INSTANTIATE_TEST_SUITE_P(Cases, GenerationChecks, ::testing::ValuesIn(cases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(GenerationChecksWorkingValues, SeedAndRatiosAreStored) {
    CheckRun run;
    auto design = designWith({"2", "1", "1"}, "120");
    design.fixedBlockSize = "12";
    design.seed = "-5";
    ASSERT_TRUE(run.check(design));
    EXPECT_EQ(run.working.listSeed, 5);
    EXPECT_EQ(run.working.armRatios, (std::vector<std::int32_t>{2, 1, 1}));
    EXPECT_EQ(run.working.ratioSum, 4);
    EXPECT_TRUE(run.working.fixedBlocks);
    EXPECT_EQ(run.working.fixedBlockSize, 12);
}

TEST(GenerationChecksWorkingValues, EveryCenterIsCheckedWithItsOwnSize) {
    CheckRun run;
    auto design = designWith({"1", "1"}, "12");
    design.fixedBlockSize = "4";
    design.perCenterLists = true;
    design.centerCount = "2";
    design.centers.setLength(2);
    design.centers.at(1).plannedSize = "8";
    design.centers.at(2).plannedSize = "6";
    EXPECT_FALSE(run.check(design));
    EXPECT_EQ(run.prompter.texts(), (std::vector<std::string>{std::string(fixed::kBlockSizePatientCount)}));
    design.centers.at(2).plannedSize = "";
    run.prompter.shown.clear();
    EXPECT_FALSE(run.check(design));
    EXPECT_EQ(run.prompter.texts(), (std::vector<std::string>{run.text("MessageCenterPatientCount")}));
}

} // namespace
} // namespace kelvaron
