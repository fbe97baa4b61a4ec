// The list page: a design typed into the pages is generated, exported and copied as the core defines it.
#include "WindowFixture.h"
#include "cli/Cli.h"
#include "core/text/PathText.h"
#include "core/window/ListExport.h"
#include "gui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

#include <sstream>

namespace kelvaron::test {
namespace {

using Kind = ShownMessage::Kind;

TEST_F(WindowTest, GeneratesTheDesignTypedIntoThePagesAsTheCoreAndTheCliDo) {
    type("EditStudName", QStringLiteral("Studie Ü-12"));
    click("BitBtnNext");
    ASSERT_EQ(shownPage(), Page::Arme);
    const std::pair<int, QString> descriptions[] = {
        {0, QStringLiteral("Verum ä")}, {1, QStringLiteral("Placebo")}, {2, QStringLiteral("Kontrolle")}};
    for (const auto& [row, description] : descriptions) {
        clickRow("StringGridArme", row);
        type("EditCBeschr", description);
    }
    type("EditCRatio", QStringLiteral("2"));
    const auto& arms = get<QTableWidget>("StringGridArme");
    EXPECT_EQ(arms.item(0, 1)->text(), QStringLiteral("Verum ä"));
    EXPECT_EQ(arms.item(2, 2)->text(), QStringLiteral("2"));
    for (const Page expected : {Page::Block, Page::Zufall, Page::Liste}) {
        click("BitBtnNext");
        ASSERT_EQ(shownPage(), expected);
    }
    click("BitBtnStart");
    EXPECT_TRUE(prompter.shown.empty());

    // Title, seed, 120 patients in 10 blocks of 12, each block followed by its separator.
    const QStringList lines = listView().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2 + 120 + 10 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("Studie Ü-12"));
    EXPECT_EQ(lines[1], QStringLiteral("Seed: (%1)").arg(text("EditZZ")));
    EXPECT_EQ(lines.count(QStringLiteral("------- Block ------")), 10);
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("------- Block ------"));
    EXPECT_EQ(lines.back(), QString());

    FakePrompter corePrompter;
    TRandomGenerator coreGenerator;
    MainWindowModel core(corePrompter, clock, coreGenerator, formKelvaron, formLang);
    core.applyTranslation();
    core.design = window->model().design;
    ASSERT_TRUE(core.TabSheetDesignExit());
    EXPECT_EQ(core.BitBtnStartClick(), GenerationOutcome::Generated);
    EXPECT_EQ(window->listViewText(), core.listText);

    files.choices.push_back(file("walk.kvd"));
    click("BitBtnSave");
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"generate", file("walk.kvd").string()};
    EXPECT_EQ(cli::runCli(args, out, err), cli::kExitGenerated) << err.str();
    EXPECT_EQ(out.str(), listView().toStdString());
}

TEST_F(WindowTest, ExportWritesTheListViewWithTheUsersEditsAsCrLfText) {
    clickTab(Page::Liste);
    click("BitBtnStart");
    auto& view = get<QPlainTextEdit>("RichEditList");
    view.moveCursor(QTextCursor::End);
    typeKeys(&view, QStringLiteral("Notiz ö"));
    files.choices.push_back(file("list.txt"));

    click("BitBtnExport");

    const std::string bytes = readBytes(file("list.txt"));
    EXPECT_EQ(bytes, exportText(window->listViewText()));
    EXPECT_TRUE(bytes.starts_with("\r\nSeed: (")) << "the empty title line";
    EXPECT_TRUE(bytes.ends_with("------- Block ------\r\nNotiz \xF6"));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(files.titles, std::vector<QString>{QStringLiteral("export")});
}

TEST_F(WindowTest, ExportThatCannotBeWrittenShowsThePlatformMessageAndCreatesNothing) {
    clickTab(Page::Liste);
    click("BitBtnStart");
    const auto target = file("missing") / "list.txt";
    files.choices.push_back(target);

    click("BitBtnExport");

    EXPECT_EQ(prompter.shown, (std::vector<ShownMessage>{{Kind::Error, cannotWriteMessage(target)}}));
    EXPECT_FALSE(std::filesystem::exists(file("missing")));
}

TEST_F(WindowTest, CopyPutsTheWholeListOnTheClipboardAndLeavesItSelected) {
    clickTab(Page::Liste);
    click("BitBtnStart");

    click("BitBtnClipboard");

    EXPECT_EQ(QApplication::clipboard()->text(), listView());
    EXPECT_EQ(get<QPlainTextEdit>("RichEditList").textCursor().selectedText().size(), listView().size());
}

} // namespace
} // namespace kelvaron::test
