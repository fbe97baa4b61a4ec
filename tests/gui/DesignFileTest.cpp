// Saving and loading designs through the window's buttons and dialogs.
#include "WindowFixture.h"

#include <QRadioButton>

namespace kelvaron::test {
namespace {

TEST_F(WindowTest, SavingAndLoadingRestoresTheFieldsAndShowsTheDesignPage) {
    type("EditStudName", QStringLiteral(" Studie ß"));
    click("CheckBoxZentren");
    type("EditZentren", QStringLiteral("2"));
    clickTab(Page::Block);
    click("RadioButton2");
    type("EditVon", QStringLiteral("6"));
    type("EditBis", QStringLiteral("12"));
    files.choices.push_back(file("design.kvd"));
    click("BitBtnSave");
    ASSERT_TRUE(prompter.shown.empty());
    TStudyDesign saved = window->model().design;
    saved.studyName = ansi("Studie ß"); // a leading blank does not survive the file
    const QString seed = text("EditZZ");

    click("RadioButton1");
    type("EditFix", QStringLiteral("24"));
    clickTab(Page::Design);
    type("EditStudName", QStringLiteral("Andere"));
    click("CheckBoxZentren");
    clickTab(Page::Info);
    files.choices.push_back(file("design.kvd"));
    click("BitBtnLoad");

    EXPECT_EQ(window->model().design, saved);
    EXPECT_EQ(shownPage(), Page::Design);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));
    EXPECT_EQ(text("EditStudName"), QStringLiteral("Studie ß"));
    EXPECT_TRUE(get<QCheckBox>("CheckBoxZentren").isChecked());
    EXPECT_TRUE(get<QLineEdit>("EditZentren").isEnabled());
    EXPECT_EQ(text("EditZentren"), QStringLiteral("2"));
    EXPECT_TRUE(tabVisible(Page::Zentren));
    EXPECT_TRUE(get<QRadioButton>("RadioButton2").isChecked());
    EXPECT_FALSE(get<QLineEdit>("EditFix").isEnabled());
    EXPECT_EQ(text("EditFix"), QStringLiteral("12"));
    EXPECT_EQ(text("EditVon"), QStringLiteral("6"));
    EXPECT_EQ(text("EditZZ"), seed);
    EXPECT_EQ(files.titles, (std::vector<QString>{QStringLiteral("Studiendesign speichern"),
                                                  QStringLiteral("Studiendesign öffnen")}));
}

TEST_F(WindowTest, CancellingTheOpenDialogStillShowsTheDesignPageWithTheFocusOnThePatientCount) {
    clickTab(Page::Liste);
    get<QLineEdit>("EditZZ").setFocus();

    click("BitBtnLoad");

    EXPECT_EQ(shownPage(), Page::Design);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WindowTest, OpeningADesignEmptiesTheListViewAndEditingTheDesignKeepsIt) {
    clickTab(Page::Liste);
    click("BitBtnStart");
    const QString list = listView();
    ASSERT_FALSE(list.isEmpty());
    clickTab(Page::Design);
    type("EditStudName", QStringLiteral("Andere"));
    clickTab(Page::Liste);
    EXPECT_EQ(listView(), list);
    files.choices.push_back(file("other.kvd"));
    click("BitBtnSave");
    click("BitBtnLoad"); // cancelled: nothing is opened
    EXPECT_EQ(listView(), list);

    files.choices.push_back(file("other.kvd"));
    click("BitBtnLoad");

    EXPECT_EQ(listView(), QString());
    EXPECT_EQ(window->listViewText(), "");
}

TEST_F(WindowTest, SavingFromTheDesignPageRunsItsCheckFirst) {
    type("EditArme", QStringLiteral("2"));
    files.choices.push_back(file("two.kvd"));

    click("BitBtnSave");

    const std::string bytes = readBytes(file("two.kvd"));
    for (const char* entry : {"Anzahl=2", "Bez1=Arm 1", "Ratio2=1"})
        EXPECT_NE(bytes.find(entry), std::string::npos) << entry << " in\n" << bytes;
    EXPECT_FALSE(text("EditZZ").isEmpty());
}

} // namespace
} // namespace kelvaron::test
