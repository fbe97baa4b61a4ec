// The program's start-up: the language file beside the program translates every form before the texts
// derived from them are built, and the start-up checks decide whether the program may be used.
#include "ProgramFixture.h"
#include "core/i18n/FixedTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <array>

namespace kelvaron::test {
namespace {

using Kind = ShownMessage::Kind;

TEST_F(ProgramTest, WithTheEnglishLanguageFileEveryFormAndEveryDerivedTextIsEnglish) {
    installLanguage("en");
    start();

    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().front();
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(tabText(Page::Design), QStringLiteral("Study design"));
    EXPECT_EQ(tabText(Page::Liste), QStringLiteral("List output"));
    EXPECT_EQ(get<QLabel>("LabelSampleSizePlanned").text(), QStringLiteral("Planned number of patients"));
    EXPECT_EQ(get<QAbstractButton>("CheckBoxZentren").text(),
              QStringLiteral("&Randomization list for each center"));
    EXPECT_EQ(get<QWidget>("RadioButton2").toolTip(),
              QStringLiteral("The size of each block is chosen by the random generator"));
    EXPECT_TRUE(
        get<QPlainTextEdit>("Memo1").toPlainText().startsWith(QStringLiteral("With a given start value")));
    const std::array<std::pair<const char*, const char*>, 8> buttons = {{
        {"BitBtnStart", "Generate"},
        {"ButtonZZ", "Create"},
        {"BitBtnSelftest", "Self-test"},
        {"BitBtnBack", "&Back"},
        {"BitBtnNext", "&Next"},
        {"BitBtnLoad", "Open study design"},
        {"BitBtnSave", "Save study design"},
        {"BitBtnClose", "Close"},
    }};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(get<QAbstractButton>(name).text(), QLatin1String(caption)) << name;
    // Set at start-up whatever the file says ("1 - MAXLONG").
    EXPECT_EQ(get<QLabel>("LabelMinMaxSeed").text(), QStringLiteral("1 ... 2147483647"));
    EXPECT_EQ(window().model().centerLinePrefix(), "Center");
    EXPECT_EQ(window().model().blockSeparatorLine(), "------- Block ------");

    // The self-test dialog ran with the translated texts of FormSelftest.
    EXPECT_EQ(program->selftestDialog().windowTitle(), QStringLiteral("Self-test"));
    EXPECT_EQ(inDialog<QPushButton>("BitBtnClose").text(), QStringLiteral("Cancel"));
    EXPECT_EQ(inDialog<QLabel>("Label1").text(), QStringLiteral("Random numbers"));
    EXPECT_EQ(inDialog<QLabel>("Label2").text(), QStringLiteral("Checksum"));
    EXPECT_EQ(inDialog<QLabel>("Label3").text(), QStringLiteral("Result"));
    EXPECT_EQ(inDialog<QLineEdit>("EditResult").text(), QStringLiteral("#10 - OK"));

    click("BitBtnNext");
    const auto& arms = get<QTableWidget>("StringGridArme");
    EXPECT_EQ(arms.horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
    click("BitBtnSave");
    ASSERT_EQ(files.titles.size(), 1U);
    EXPECT_EQ(files.titles.front(), QStringLiteral("Save study design"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ProgramTest, TheWordsOfTheLanguageFileAppearInTheGeneratedList) {
    writeBytes(programDir() / "KelvaronLang.ini", "[FormLang]\r\n"
                                                  "FormLang.LabelBlock.Caption=Bloque\r\n"
                                                  "[FormKelvaron]\r\n"
                                                  "FormKelvaron.LabelCenter.Caption=Centro\r\n"
                                                  "FormKelvaron.LabelMinMaxSeed.Caption=1 - MAXLONG\r\n"
                                                  "FormKelvaron.BitBtnLoad.Caption=Abrir &estudio\r\n");
    start();
    ASSERT_TRUE(prompter.shown.empty()) << prompter.texts().front();

    EXPECT_EQ(window().model().blockSeparatorLine(), "------- Bloque ------");
    EXPECT_EQ(window().model().centerLinePrefix(), "Centro");
    EXPECT_EQ(get<QLabel>("LabelMinMaxSeed").text(), QStringLiteral("1 ... 2147483647"));
    click("BitBtnLoad");
    ASSERT_EQ(files.titles.size(), 1U);
    EXPECT_EQ(files.titles.front(), QStringLiteral("Abrir estudio"));

    const QStringList lines = generateDefaultList();
    EXPECT_EQ(lines.count(QStringLiteral("------- Bloque ------")), 10);
    EXPECT_FALSE(lines.contains(QStringLiteral("------- Block ------")));
    EXPECT_EQ(lines.size(), 2 + 120 + 10 + 1);
}

TEST_F(ProgramTest, WithoutALanguageFileTheFirstMessageSaysSoAndTheTextsStayGerman) {
    std::vector<bool> timerArmedDuringMessage;
    prompter.onNote = [&] {
        timerArmedDuringMessage.push_back(
            window().findChild<QTimer*>(QStringLiteral("TimerStart"))->isActive());
    };
    std::string separatorWhenChecked;
    versionQuery.onQuery = [&] { separatorWhenChecked = window().model().blockSeparatorLine(); };
    start();

    const std::vector<ShownMessage> expected = {
        {Kind::Note, "Missing language file. Please reinstall the software."}};
    EXPECT_EQ(prompter.shown, expected);
    // The checks wait until the message has been closed and the derived texts exist.
    EXPECT_EQ(timerArmedDuringMessage, std::vector<bool>{false});
    EXPECT_EQ(separatorWhenChecked, "------- Block ------");

    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(get<QAbstractButton>("BitBtnStart").text(), QStringLiteral("Generieren"));
    EXPECT_EQ(tabText(Page::Design), QStringLiteral("Studiendesign"));
    EXPECT_EQ(inDialog<QPushButton>("BitBtnClose").text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(window().model().centerLinePrefix(), "Zentrum");
    EXPECT_EQ(get<QLabel>("LabelMinMaxSeed").text(), QStringLiteral("1 ... 2147483647"));
    EXPECT_EQ(generateDefaultList().count(QStringLiteral("------- Block ------")), 10);
}

enum class Digest { Matches, Corrupted };

struct StartupCase {
    const char* what;
    std::optional<WindowsVersion> version;
    Digest digest;
    std::vector<SelftestVector> selftest;
    std::vector<std::string> messages; // UTF-8, in the order shown
    bool windowCloses;
    int selftestShows;
};

TEST_F(ProgramTest, TheFirstFailingStartupCheckShowsItsMessageAndEndsTheProgram) {
    const std::vector<SelftestVector> passing(kSelftestVectors.begin(), kSelftestVectors.end());
    const std::vector<SelftestVector> failing = {kSelftestVectors[0], {2000, 53.0}};
    const StartupCase cases[] = {
        {"every check passes", WindowsVersion{10, 0}, Digest::Matches, passing, {}, false, 1},
        {"Windows Vista",
         WindowsVersion{6, 0},
         Digest::Matches,
         passing,
         {"Diese Windows-Version wird nicht unterstützt."},
         true,
         0},
        {"digest does not match the program file",
         WindowsVersion{10, 0},
         Digest::Corrupted,
         passing,
         {"Programm ist nicht signiert oder die Signatur ist defekt."},
         true,
         0},
        {"second pass misses its sum",
         WindowsVersion{6, 1},
         Digest::Matches,
         failing,
         {"Internal self test error - pass# 1", "Selbsttest fehlgeschlagen. Kelvaron wird beendet."},
         true,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        program.reset();
        prompter.shown.clear();
        selftestShows.shows = 0;
        installLanguage("de");
        const std::string digestOf = c.digest == Digest::Matches ? std::string(kProgramBytes) : "changed";
        writeBytes(programDir() / "kelvaron.sha256", digestLine(digestOf));
        versionQuery.version = c.version;
        selftestVectors = c.selftest;
        start();

        std::vector<std::string> shown;
        for (const auto& message : prompter.shown)
            shown.push_back(utf8FromCp1252(message.text));
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(window().isVisible(), !c.windowCloses);
        EXPECT_EQ(selftestShows.shows, c.selftestShows);
        std::filesystem::remove(programDir() / "KelvaronLang.ini");
    }
}

TEST_F(ProgramTest, SelbsttestOnTheInformationPageShowsTheDialogAndTheProgramGoesOnWhateverItsResult) {
    installLanguage("de");
    start();
    ASSERT_TRUE(window().isVisible());
    clickTab(Page::Info);
    auto& dialog = program->selftestDialog();
    inDialog<QLineEdit>("EditResult").clear();

    click("BitBtnSelftest");
    EXPECT_EQ(selftestShows.shows, 2);
    EXPECT_EQ(dialog.modalResult(), ModalResult::OK);
    EXPECT_EQ(inDialog<QLineEdit>("EditResult").text(), QStringLiteral("#10 - OK"));

    // Cancelled before its run starts, the self-test fails; the program takes no notice.
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.BitBtnCloseClick(); });
    click("BitBtnSelftest");
    EXPECT_EQ(selftestShows.shows, 3);
    EXPECT_EQ(dialog.modalResult(), ModalResult::Cancel);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(window().isVisible());
}

} // namespace
} // namespace kelvaron::test
