// The program as installed for many users: a language file in the user's configuration folder comes
// before the one beside the program, and a design file named on the command line (as the desktop entry
// passes it) is opened once the start-up checks have passed.
#include "ProgramFixture.h"

#include <QLineEdit>

namespace kelvaron::test {
namespace {

using Kind = ShownMessage::Kind;

class InstalledProgramTest : public ProgramTest {
protected:
    QTemporaryDir user;

    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(user.isValid());
        installLanguage("de");
        userConfigDir = std::filesystem::path(user.path().toStdString());
    }
    void chooseUserLanguage(const char* language) const {
        std::filesystem::copy_file(std::filesystem::path(KELVARON_LANG_DIR) / language / "KelvaronLang.ini",
                                   userConfigDir / "KelvaronLang.ini");
    }
    [[nodiscard]] QString text(const char* field) const { return get<QLineEdit>(field).text(); }
};

TEST_F(InstalledProgramTest, TheUsersLanguageFileComesBeforeTheOneBesideTheProgram) {
    chooseUserLanguage("en");
    start();

    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().front();
    EXPECT_EQ(tabText(Page::Design), QStringLiteral("Study design"));
    EXPECT_EQ(window().model().blockSeparatorLine(), "------- Block ------");
    EXPECT_EQ(window().model().centerLinePrefix(), "Center");
}

TEST_F(InstalledProgramTest, WithoutALanguageFileOfTheUserTheOneBesideTheProgramApplies) {
    start();

    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().front();
    EXPECT_EQ(tabText(Page::Design), QStringLiteral("Studiendesign"));
    EXPECT_EQ(window().model().centerLinePrefix(), "Zentrum");
}

TEST_F(InstalledProgramTest, AnUnreadableLanguageFileOfTheUserIsReportedAsMissing) {
    std::filesystem::create_directory(userConfigDir / "KelvaronLang.ini");
    start();

    const std::vector<ShownMessage> expected = {
        {Kind::Note, "Missing language file. Please reinstall the software."}};
    EXPECT_EQ(prompter.shown, expected);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(InstalledProgramTest, TheDesignFileNamedOnTheCommandLineIsOpenedAfterTheStartupChecks) {
    designFile = std::filesystem::path(KELVARON_EXAMPLES_DIR) / "studie-x.kvd";
    std::string patientsWhenChecked;
    versionQuery.onQuery = [&] { patientsWhenChecked = window().model().design.patientCount; };
    start();

    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().front();
    EXPECT_EQ(patientsWhenChecked, "120");
    EXPECT_EQ(text("EditStudName"), QStringLiteral("Studie X"));
    EXPECT_EQ(text("EditAnz"), QStringLiteral("4"));
    EXPECT_EQ(text("EditArme"), QStringLiteral("2"));
    EXPECT_EQ(get<QTabWidget>("PageControl1").currentIndex(), static_cast<int>(Page::Design));
}

TEST_F(InstalledProgramTest, ADesignFileThatCannotBeReadGetsTheMessageOfTheOpenCommand) {
    std::filesystem::create_directory(programDir() / "folder.kvd");
    for (const char* name : {"missing.kvd", "folder.kvd"}) {
        SCOPED_TRACE(name);
        program.reset();
        prompter.shown.clear();
        selftestShows.shows = 0;
        designFile = programDir() / name;
        start();

        const std::vector<ShownMessage> expected = {
            {Kind::Note, ansi("Fehler beim Öffnen der Datei ") + designFile->string()}};
        EXPECT_EQ(prompter.shown, expected);
        EXPECT_TRUE(window().isVisible());
        EXPECT_EQ(text("EditAnz"), QStringLiteral("120"));
    }
}

TEST_F(InstalledProgramTest, AFailedStartupCheckOpensNoDesignFile) {
    designFile = programDir() / "missing.kvd";
    writeBytes(programDir() / "kelvaron.sha256", digestLine("changed"));
    start();

    std::vector<std::string> shown;
    for (const auto& message : prompter.shown)
        shown.push_back(utf8FromCp1252(message.text));
    EXPECT_EQ(shown, std::vector<std::string>{"Programm ist nicht signiert oder die Signatur ist defekt."});
    EXPECT_FALSE(window().isVisible());
}

} // namespace
} // namespace kelvaron::test
