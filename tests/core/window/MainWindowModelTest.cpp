#include "support/ModelFixture.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using Kind = test::ShownMessage::Kind;

struct MainWindow : ::testing::Test, test::ModelFixture {
    std::vector<std::string> shownKeys(std::initializer_list<std::string_view> keys) const {
        std::vector<std::string> texts;
        for (auto key : keys)
            texts.push_back(message(key));
        return texts;
    }
};

TEST_F(MainWindow, LeavingTheDesignPageBuildsTheArmsAndProposesASeed) {
    EXPECT_TRUE(model.TabSheetDesignExit());
    EXPECT_FALSE(model.design.seed.empty());
    ASSERT_EQ(model.design.arms.length(), 3);
    for (std::int32_t n = 1; n <= 3; ++n) {
        EXPECT_EQ(model.design.arms.at(n), (TStudyArm{"Arm " + std::to_string(n), "", "1"}));
    }
    EXPECT_EQ(model.armsHeader(), (std::array<std::string, 3>{"Arm", "Beschreibung", "Ratio"}));
    EXPECT_EQ(model.working().armCount, 3);
    EXPECT_EQ(model.working().patientCount, 120);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindow, ArmsPastTheCountComeBackUnchanged) {
    model.design.armCount = "5";
    ASSERT_TRUE(model.TabSheetDesignExit());
    model.design.arms.at(4) = {"x", "Vierter", "2"};
    model.design.arms.at(5).description = "Fünfter";
    model.design.armCount = "3";
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.arms.length(), 3);
    model.design.armCount = "5";
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.arms.at(4), (TStudyArm{"Arm 4", "Vierter", "2"}));
    EXPECT_EQ(model.design.arms.at(5).description, "Fünfter");
}

TEST_F(MainWindow, TheDesignPageCheckSendsTheUserBack) {
    struct Case {
        const char* armCount;
        const char* patientCount;
        std::vector<std::string_view> keys;
        std::int32_t armsAfter;
    };
    const Case cases[] = {
        {"", "120", {"MessageArmCount"}, 2},
        {"3", "viele", {"MessagePatientCount"}, 2},
        {"3", "2", {"MessageArmPatientCount"}, 3}, // the lists are built all the same
        {"65537", "120", {"MessageArmCountRange"}, 2},
    };
    for (const auto& c : cases) {
        test::ModelFixture fresh;
        fresh.model.design.armCount = c.armCount;
        fresh.model.design.patientCount = c.patientCount;
        EXPECT_FALSE(fresh.model.TabSheetDesignExit()) << c.armCount << "/" << c.patientCount;
        std::vector<std::string> expected;
        for (auto key : c.keys)
            expected.push_back(fresh.message(key));
        EXPECT_EQ(fresh.prompter.texts(), expected);
        EXPECT_EQ(fresh.model.design.arms.length(), c.armsAfter);
        EXPECT_FALSE(fresh.model.design.seed.empty()) << "the seed is proposed first";
    }
}

TEST_F(MainWindow, AnArmCountOfZeroLeavesOnlyTheHeaderAndTypingStoresNothing) {
    model.design.armCount = "0";
    model.design.patientCount = "0";
    EXPECT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.arms.length(), 0);
    EXPECT_EQ(model.armsRow(), 0);
    model.EditCBeschrChange("Verum");
    model.design.armCount = "1";
    model.design.patientCount = "1";
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.arms.at(1).description, "");
}

TEST_F(MainWindow, ARatioOfZeroIsKeptAndOnlyAnEmptyOneBecomesOne) {
    ASSERT_TRUE(model.TabSheetDesignExit());
    model.StringGridArmeClick(2);
    model.EditCRatioChange("0");
    model.StringGridArmeClick(3);
    model.EditCRatioChange("");
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.arms.at(2).ratio, "0");
    EXPECT_EQ(model.design.arms.at(3).ratio, "1");
}

TEST_F(MainWindow, TheArmFieldsShowAndStoreTheSelectedArm) {
    ASSERT_TRUE(model.TabSheetDesignExit());
    model.StringGridArmeClick(3);
    EXPECT_EQ(model.armFields(), (ArmFields{"Arm 3", "", "1"}));
    EXPECT_EQ(model.focus(), FocusTarget::EditCBeschr);
    model.EditCRatioChange("2");
    EXPECT_EQ(model.design.arms.at(3).ratio, "2");
    model.choosePage(Page::Arme);
    EXPECT_EQ(model.armFields().editCRatio, "2");
}

TEST_F(MainWindow, ThePerCenterSwitch) {
    model.design.centerCount = "4";
    model.setPerCenterLists(true);
    EXPECT_TRUE(model.page(Page::Zentren).tabVisible);
    EXPECT_TRUE(model.usable().editZentren);
    ASSERT_TRUE(model.TabSheetDesignExit());
    ASSERT_EQ(model.design.centers.length(), 4);
    EXPECT_EQ(model.design.centers.at(4), (TStudyCenter{"Zentrum 4", "4", "", ""}));
    model.design.centers.at(2).description = "Nord";

    model.setPerCenterLists(false);
    EXPECT_EQ(model.design.centerCount, "4");
    EXPECT_EQ(model.working().centerCount, 1);
    EXPECT_FALSE(model.usable().editZentren);
    EXPECT_FALSE(model.page(Page::Zentren).tabVisible);
    EXPECT_FALSE(model.page(Page::Zentren).enabled);

    model.setPerCenterLists(true);
    EXPECT_TRUE(model.page(Page::Zentren).tabVisible);
    EXPECT_EQ(model.design.centers.at(2).description, "Nord");
}

TEST_F(MainWindow, TheBlockModeRuleKeepsTheTextsOfTheOtherMode) {
    model.setBlockMode(BlockMode::Variable);
    EXPECT_EQ(model.usable(), (FieldUsability{false, false, true, true}));
    EXPECT_EQ(model.design.fixedBlockSize, "12");
    model.design.blockMode = BlockMode::Fixed;
    model.RadioButton1KeyUp();
    EXPECT_EQ(model.usable(), (FieldUsability{false, true, false, false}));
}

TEST_F(MainWindow, NextAndBackFollowTheVisibleTabsAndWrapAround) {
    model.BitBtnNextClick();
    EXPECT_EQ(model.activePage(), Page::Arme);
    model.BitBtnNextClick();
    EXPECT_EQ(model.activePage(), Page::Block) << "the centers tab is hidden";
    model.choosePage(Page::Info);
    model.BitBtnNextClick();
    EXPECT_EQ(model.activePage(), Page::Design);
    EXPECT_EQ(model.focus(), FocusTarget::EditAnz);
    model.BitBtnBackClick();
    EXPECT_EQ(model.activePage(), Page::Info);

    model.choosePage(Page::Design);
    model.design.perCenterLists = true;
    model.design.centerCount = "2";
    model.CheckBoxZentrenClick();
    model.BitBtnNextClick();
    model.BitBtnNextClick();
    EXPECT_EQ(model.activePage(), Page::Zentren);
}

TEST_F(MainWindow, AFailedDesignCheckUndoesTheNavigation) {
    model.design.armCount = "drei";
    model.BitBtnNextClick();
    EXPECT_EQ(model.activePage(), Page::Design);
    model.BitBtnBackClick();
    EXPECT_EQ(model.activePage(), Page::Design);
    EXPECT_EQ(prompter.texts(), shownKeys({"MessageArmCount", "MessageArmCount"}));
}

TEST_F(MainWindow, TheCentersPageCannotBeChosenWhilePerCenterListsAreOff) {
    model.choosePage(Page::Zentren);
    EXPECT_EQ(model.activePage(), Page::Design);
    EXPECT_EQ(prompter.texts(), shownKeys({"MessageCheckListEachCenter"}));
}

// Centers with these planned sizes, typed in on the centers page.
struct CenterSession : test::ModelFixture {
    void centers(const std::vector<const char*>& sizes) {
        model.design.perCenterLists = true;
        model.design.centerCount = std::to_string(sizes.size());
        model.CheckBoxZentrenClick();
        model.choosePage(Page::Zentren);
        ASSERT_EQ(model.activePage(), Page::Zentren);
        std::int32_t row = 1;
        for (const char* size : sizes) {
            model.StringGridZentrenClick(row++);
            model.EditAFallzahlChange(size);
        }
        prompter.shown.clear();
    }
};
struct CentersPage : ::testing::Test, CenterSession {};

TEST_F(CentersPage, TheSumCanBeAdoptedAsThePatientCount) {
    centers({"40", "40", "50"});
    EXPECT_EQ(model.editSumme(), "130");
    prompter.answers = {true};
    model.choosePage(Page::Block);
    EXPECT_EQ(prompter.shown,
              (std::vector<test::ShownMessage>{{Kind::Question, message("MessageSampleSizeError")}}));
    EXPECT_EQ(model.design.patientCount, "130");
    EXPECT_EQ(model.working().patientCount, 130);
    EXPECT_EQ(model.activePage(), Page::Block);
}

TEST_F(CentersPage, DecliningTheSumChangesNothingAndSaysNoMore) {
    centers({"40", "40", "50"});
    prompter.answers = {false};
    model.choosePage(Page::Block);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(model.design.patientCount, "120");
}

TEST_F(CentersPage, SumsBelowOrEqualToThePatientCount) {
    struct Case {
        std::vector<const char*> sizes;
        std::vector<std::string_view> keys;
        const char* sum;
    };
    const Case cases[] = {
        {{"40", "40", "30"}, {"MessageSampleSizeError2"}, "110"},
        {{"40", "40", "40"}, {}, "120"},
        {{"", "", ""}, {"MessageExpectedSampleSize"}, "0"},
        {{"60", "sechzig", "60"}, {}, "120"},
    };
    for (const auto& c : cases) {
        CenterSession session;
        session.centers(c.sizes);
        EXPECT_EQ(session.model.editSumme(), c.sum);
        session.model.choosePage(Page::Liste);
        std::vector<std::string> expected;
        for (auto key : c.keys)
            expected.push_back(session.message(key));
        EXPECT_EQ(session.prompter.texts(), expected);
    }
}

TEST_F(CentersPage, TypingWithoutACenterRowStoresNothing) {
    model.design.perCenterLists = true;
    model.design.centerCount = "0";
    model.CheckBoxZentrenClick();
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.centersRow(), 0);
    model.EditANummerChange("7");
    model.EditABeschrChange("Süd");
    model.EditAFallzahlChange("12");
    model.design.centerCount = "1";
    ASSERT_TRUE(model.TabSheetDesignExit());
    EXPECT_EQ(model.design.centers.at(1), (TStudyCenter{"Zentrum 1", "1", "", ""}));
}

} // namespace
} // namespace kelvaron
