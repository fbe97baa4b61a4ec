// Back, Next and the tabs: which page the window shows, and the checks that run on leaving a page.
#include "WindowFixture.h"

#include <QLabel>
#include <QSignalSpy>

namespace kelvaron::test {
namespace {

struct NextCase {
    const char* name;
    bool perCenterLists;
    std::vector<Page> pagesAfterNext;
};

void PrintTo(const NextCase& sample, std::ostream* out) {
    *out << sample.name;
}

class NextTest : public WindowTest, public ::testing::WithParamInterface<NextCase> {};

TEST_P(NextTest, VisitsEveryPageWithAVisibleTabAndWrapsAround) {
    if (GetParam().perCenterLists) {
        click("CheckBoxZentren");
        type("EditZentren", QStringLiteral("2"));
    }
    for (const Page expected : GetParam().pagesAfterNext) {
        click("BitBtnNext");
        ASSERT_EQ(shownPage(), expected);
    }
    click("BitBtnBack");
    EXPECT_EQ(shownPage(), Page::Info);
}

const NextCase kNextCases[] = {
    {"SingleList", false, {Page::Arme, Page::Block, Page::Zufall, Page::Liste, Page::Info, Page::Design}},
    {"PerCenterLists",
     true,
     {Page::Arme, Page::Zentren, Page::Block, Page::Zufall, Page::Liste, Page::Info, Page::Design}},
};
INSTANTIATE_TEST_SUITE_P(Window, NextTest, ::testing::ValuesIn(kNextCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowTest, StartsOnTheDesignPageWithTheCentersTabHiddenAndTheFocusOnThePatientCount) {
    EXPECT_EQ(shownPage(), Page::Design);
    EXPECT_FALSE(tabVisible(Page::Zentren));
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));
    EXPECT_EQ(text("EditAnz"), QStringLiteral("120"));
    EXPECT_EQ(text("EditArme"), QStringLiteral("3"));
    EXPECT_FALSE(get<QLineEdit>("EditZentren").isEnabled());
    EXPECT_EQ(get<QLabel>("LabelMinMaxSeed").text(), QStringLiteral("1 ... 2147483647"));
}

TEST_F(WindowTest, ATabChosenWhileTheDesignPageCheckFailsLeavesTheDesignPageShown) {
    type("EditArme", QString());
    clickTab(Page::Block);
    EXPECT_EQ(shownPage(), Page::Design);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{formLang.captionOf("MessageArmCount")});
    EXPECT_FALSE(text("EditZZ").isEmpty()) << "the seed is proposed before the counts are checked";

    type("EditArme", QStringLiteral("3"));
    clickTab(Page::Block);
    EXPECT_EQ(shownPage(), Page::Block);
}

TEST_F(WindowTest, ATabWhoseChangeTheDesignCheckRefusesIsNeverShown) {
    type("EditArme", QString());
    QSignalSpy pageChanges(&get<QTabWidget>("PageControl1"), &QTabWidget::currentChanged);

    clickTab(Page::Block);

    EXPECT_EQ(prompter.texts(), std::vector<std::string>{formLang.captionOf("MessageArmCount")});
    EXPECT_TRUE(pageChanges.isEmpty()) << "the message is shown over the design page, which stays";
    EXPECT_EQ(shownPage(), Page::Design);
}

TEST_F(WindowTest, TheDesignPageShownAgainByItsCheckPutsTheFocusOnThePatientCount) {
    type("EditArme", QStringLiteral("5"));
    type("EditAnz", QStringLiteral("4"));
    clickTab(Page::Block);
    ASSERT_EQ(shownPage(), Page::Design);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));

    type("EditArme", QString());
    click("BitBtnNext");
    ASSERT_EQ(shownPage(), Page::Design);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{formLang.captionOf("MessageArmPatientCount"),
                                                          formLang.captionOf("MessageArmCount")}));
}

TEST_F(WindowTest, TheArmFieldsShowTheCurrentArmWhenAGenerationCheckSendsTheUserToTheArmsPage) {
    std::ofstream(file("studie-x.kvd"), std::ios::binary)
        << "[Design]\nName=Studie X\nArme=2\nFallzahl=4\nMulticenter=0\n[Arme]\nAnzahl=2\nBez1=Arm 1\n"
           "Beschr1=A\nRatio1=1\nBez2=Arm 2\nBeschr2=B\nRatio2=1\n[Bloecke]\nFix=1\nGroesse=2\n"
           "[Zufall]\nSeed=17\n";
    std::ofstream(file("verum.kvd"), std::ios::binary)
        << "[Design]\nName=Verum\nArme=2\nFallzahl=60\nMulticenter=0\n[Arme]\nAnzahl=2\nBez1=Arm 1\n"
           "Beschr1=Verum 5 mg\nRatio1=1\nBez2=Arm 2\nBeschr2=Placebo\nRatio2=1\n[Bloecke]\nFix=0\n"
           "Von=2\nBis=6\n[Zufall]\nSeed=5\n";
    files.choices.push_back(file("studie-x.kvd"));
    click("BitBtnLoad");
    clickTab(Page::Arme);
    ASSERT_EQ(text("EditCBeschr"), QStringLiteral("A"));
    files.choices.push_back(file("verum.kvd"));
    click("BitBtnLoad");
    type("EditAnz", QStringLiteral("61"));
    clickTab(Page::Liste);
    ASSERT_EQ(shownPage(), Page::Liste);
    prompter.answers = {true};

    click("BitBtnStart");

    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0].kind, ShownMessage::Kind::Question);
    ASSERT_EQ(shownPage(), Page::Arme);
    EXPECT_EQ(get<QTableWidget>("StringGridArme").currentRow(), 0);
    EXPECT_EQ(text("EditCArm"), QStringLiteral("Arm 1"));
    EXPECT_EQ(text("EditCBeschr"), QStringLiteral("Verum 5 mg"));
    typeKeys(&get<QLineEdit>("EditCBeschr"), QStringLiteral("!"));
    EXPECT_EQ(window->model().design.arms.at(1).description, "Verum 5 mg!");
}

TEST_F(WindowTest, PerCenterSwitchShowsTheCentersTabAndKeepsTheCentersWhenSwitchedOff) {
    click("CheckBoxZentren");
    EXPECT_TRUE(tabVisible(Page::Zentren));
    EXPECT_TRUE(get<QLineEdit>("EditZentren").isEnabled());
    type("EditZentren", QStringLiteral("4"));
    clickTab(Page::Zentren);
    ASSERT_EQ(shownPage(), Page::Zentren);
    EXPECT_EQ(get<QTableWidget>("StringGridZentren").rowCount(), 4);
    EXPECT_EQ(text("EditAZentrum"), QStringLiteral("Zentrum 1"));
    clickRow("StringGridZentren", 3);
    type("EditABeschr", QStringLiteral("Klinikum"));

    clickTab(Page::Design);
    click("CheckBoxZentren");
    EXPECT_FALSE(tabVisible(Page::Zentren));
    EXPECT_FALSE(get<QLineEdit>("EditZentren").isEnabled());
    EXPECT_EQ(text("EditZentren"), QStringLiteral("4"));

    click("CheckBoxZentren");
    EXPECT_TRUE(tabVisible(Page::Zentren));
    clickTab(Page::Zentren);
    EXPECT_EQ(get<QTableWidget>("StringGridZentren").item(3, 2)->text(), QStringLiteral("Klinikum"));
}

struct CenterSumCase {
    const char* name;
    std::array<const char*, 3> plannedSizes;
    std::deque<bool> answers;
    const char* patientCountAfter;
    std::vector<const char*> messageKeys;
};

void PrintTo(const CenterSumCase& sample, std::ostream* out) {
    *out << sample.name;
}

class CenterSumTest : public WindowTest, public ::testing::WithParamInterface<CenterSumCase> {};

TEST_P(CenterSumTest, LeavingTheCentersPageComparesTheSumWithThePatientCount) {
    const CenterSumCase& sample = GetParam();
    click("CheckBoxZentren");
    type("EditZentren", QStringLiteral("3"));
    clickTab(Page::Zentren);
    ASSERT_EQ(shownPage(), Page::Zentren);
    for (int row = 0; row < 3; ++row) {
        clickRow("StringGridZentren", row);
        type("EditAFallzahl", QString::fromLatin1(sample.plannedSizes[static_cast<std::size_t>(row)]));
    }
    prompter.shown.clear();
    prompter.answers = sample.answers;

    click("BitBtnNext");

    EXPECT_EQ(shownPage(), Page::Block) << "the check never keeps the centers page";
    EXPECT_EQ(text("EditAnz"), QString::fromLatin1(sample.patientCountAfter));
    std::vector<std::string> expected;
    for (const char* key : sample.messageKeys)
        expected.push_back(formLang.captionOf(key));
    EXPECT_EQ(prompter.texts(), expected);
}

const CenterSumCase kCenterSumCases[] = {
    {"LargerSumAdopted", {"40", "40", "50"}, {true}, "130", {"MessageSampleSizeError"}},
    {"LargerSumDeclined", {"40", "40", "50"}, {false}, "120", {"MessageSampleSizeError"}},
    {"SmallerSum", {"40", "40", "30"}, {}, "120", {"MessageSampleSizeError2"}},
    {"EqualSumWithANonNumber", {"60", "x", "60"}, {}, "120", {}},
    {"NoSizes", {"", "", ""}, {}, "120", {"MessageExpectedSampleSize"}},
};
INSTANTIATE_TEST_SUITE_P(Window, CenterSumTest, ::testing::ValuesIn(kCenterSumCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowTest, TheSumFieldFollowsEveryKeystrokeInThePlannedSize) {
    click("CheckBoxZentren");
    type("EditZentren", QStringLiteral("2"));
    clickTab(Page::Zentren);
    clickRow("StringGridZentren", 0);
    type("EditAFallzahl", QStringLiteral("4"));
    EXPECT_EQ(text("EditSumme"), QStringLiteral("4"));
    typeKeys(&get<QLineEdit>("EditAFallzahl"), QStringLiteral("5"));
    EXPECT_EQ(text("EditSumme"), QStringLiteral("45"));
    EXPECT_EQ(get<QTableWidget>("StringGridZentren").item(0, 3)->text(), QStringLiteral("45"));
}

TEST_F(WindowTest, VariableBlockSizeGreysTheFixedSizeAndKeepsItsText) {
    clickTab(Page::Block);
    click("RadioButton2");
    EXPECT_FALSE(get<QLineEdit>("EditFix").isEnabled());
    EXPECT_TRUE(get<QLineEdit>("EditVon").isEnabled());
    EXPECT_TRUE(get<QLineEdit>("EditBis").isEnabled());
    EXPECT_EQ(text("EditFix"), QStringLiteral("12"));
    EXPECT_EQ(window->model().design.blockMode, BlockMode::Variable);
}

} // namespace
} // namespace kelvaron::test
