// Every showing of a page brings what it needs, whichever way the page was reached: the fields below the
// arms and centers grids show the current row, the design page puts the focus on the patient count.
#include "support/ModelFixture.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

constexpr const char* kStudieX = "[Design]\nName=Studie X\nArme=2\nFallzahl=4\nMulticenter=0\nZentren=\n"
                                 "[Arme]\nAnzahl=2\nBez1=Arm 1\nBeschr1=A\nRatio1=1\nBez2=Arm 2\nBeschr2=B\n"
                                 "Ratio2=1\n[Zentren]\nAnzahl=0\n[Bloecke]\nFix=1\nGroesse=2\nVon=\nBis=\n"
                                 "[Zufall]\nSeed=17\n";

// Two arms 1:1 in variable blocks of 2 to 6, with two centers.
constexpr const char* kVerum = "[Design]\nName=Verum\nArme=2\nFallzahl=60\nMulticenter=1\nZentren=2\n"
                               "[Arme]\nAnzahl=2\nBez1=Arm 1\nBeschr1=Verum 5 mg\nRatio1=1\nBez2=Arm 2\n"
                               "Beschr2=Placebo\nRatio2=1\n[Zentren]\nAnzahl=2\nBez1=Zentrum 1\nID1=1\n"
                               "Beschr1=Nord\nFallzahl1=30\nBez2=Zentrum 2\nID2=2\nBeschr2=Sued\n"
                               "Fallzahl2=30\n[Bloecke]\nFix=0\nGroesse=12\nVon=2\nBis=6\n[Zufall]\nSeed=5\n";

struct PageShowing : ::testing::Test, test::ModelFixture {
    test::ScratchFolder folder;
    std::filesystem::path studieX = folder.write("studie-x.kvd", kStudieX);
    std::filesystem::path verum = folder.write("verum.kvd", kVerum);
};

TEST_F(PageShowing, AnOpenedDesignFillsTheArmAndCenterFieldsFromItsCurrentRows) {
    model.loadDesign(studieX);
    model.choosePage(Page::Arme);
    ASSERT_EQ(model.armFields().editCBeschr, "A");

    model.loadDesign(verum);

    EXPECT_EQ(model.armFields(), (ArmFields{"Arm 1", "Verum 5 mg", "1"}));
    EXPECT_EQ(model.centerFields(), (CenterFields{"Zentrum 1", "1", "Nord", "30"}));
    model.EditCBeschrChange("Verum 5 mg!");
    EXPECT_EQ(model.design.arms.at(1).description, "Verum 5 mg!");
}

TEST_F(PageShowing, ACheckThatSendsTheUserToTheArmsPageFillsTheArmFields) {
    model.loadDesign(studieX);
    model.choosePage(Page::Arme);
    model.loadDesign(verum);
    model.setPerCenterLists(false);
    model.design.patientCount = "61";
    model.choosePage(Page::Liste);
    ASSERT_EQ(model.activePage(), Page::Liste);
    model.StringGridArmeClick(2); // the fields hold arm 2 when the check sends the user to arm 1
    model.selectArmRow(1);
    prompter.answers = {true};

    EXPECT_EQ(model.BitBtnStartClick(), GenerationOutcome::Stopped);

    ASSERT_EQ(model.activePage(), Page::Arme);
    EXPECT_EQ(model.armFields(), (ArmFields{"Arm 1", "Verum 5 mg", "1"}));
}

TEST_F(PageShowing, ACheckThatSendsTheUserToTheDesignPagePutsTheFocusOnThePatientCount) {
    struct Case {
        const char* name;
        const char* armCount;
        const char* patientCount;
    };
    const Case cases[] = {{"arm count", "x", "120"}, {"patient count", "3", "x"}};
    for (const auto& c : cases) {
        test::ModelFixture session;
        session.model.choosePage(Page::Liste);
        (void)session.model.takeFocus();
        session.model.design.armCount = c.armCount;
        session.model.design.patientCount = c.patientCount;

        (void)session.model.BitBtnStartClick();

        EXPECT_EQ(session.model.activePage(), Page::Design) << c.name;
        EXPECT_EQ(session.model.takeFocus(), FocusTarget::EditAnz) << c.name;
    }
}

TEST_F(PageShowing, TheDesignPageShownAgainAfterARefusedChangeTakesTheFocusToThePatientCount) {
    model.design.armCount = "";
    (void)model.takeFocus();
    model.choosePage(Page::Block);
    EXPECT_EQ(model.activePage(), Page::Design);
    EXPECT_EQ(model.takeFocus(), FocusTarget::EditAnz);

    model.design.armCount = "3";
    model.choosePage(Page::Zentren);
    EXPECT_EQ(model.activePage(), Page::Design) << "the centers page needs per-center lists";
    EXPECT_EQ(model.takeFocus(), FocusTarget::EditAnz);
}

TEST_F(PageShowing, OpeningADesignEmptiesTheListAndEditingTheDesignKeepsIt) {
    model.choosePage(Page::Liste);
    ASSERT_EQ(model.BitBtnStartClick(), GenerationOutcome::Generated);
    (void)model.takeListViewClearing();
    model.choosePage(Page::Design);
    model.design.studyName = "Andere";
    model.choosePage(Page::Liste);
    EXPECT_FALSE(model.takeListViewClearing());
    EXPECT_FALSE(model.listText.empty());

    model.loadDesign(std::nullopt);
    EXPECT_FALSE(model.takeListViewClearing()) << "a cancelled dialog opens nothing";
    model.loadDesign(folder.path());
    EXPECT_FALSE(model.takeListViewClearing()) << "a folder cannot be opened as a design";
    EXPECT_FALSE(model.listText.empty());

    model.loadDesign(studieX);
    EXPECT_TRUE(model.takeListViewClearing());
    EXPECT_TRUE(model.listText.empty());
}

} // namespace
} // namespace kelvaron
