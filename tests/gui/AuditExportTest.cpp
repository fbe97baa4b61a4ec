// The list page's report and tables: "Bericht" and the export dialog's CSV and REDCap types, driven through
// the widgets; they describe the list as generated, as the tool does.
#include "WindowFixture.h"
#include "cli/Cli.h"
#include "core/text/Sha256.h"
#include "core/window/ListExport.h"

#include <QPushButton>
#include <QTextCursor>

#include <sstream>

namespace kelvaron::test {
namespace {

namespace fs = std::filesystem;

// The working folder of these tests is their source folder.
const fs::path kMulticenter = fs::absolute("../../examples/multicenter.kvd");

struct ToolRun {
    int exitCode;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli(args, out, err);
    return {code, err.str()};
}

class AuditExportTest : public WindowTest {
protected:
    // Loads the bundled multicenter example and generates its lists on the list page.
    void generateMulticenter() {
        files.choices.push_back(kMulticenter);
        click("BitBtnLoad");
        clickTab(Page::Liste);
        ASSERT_EQ(shownPage(), Page::Liste);
        click("BitBtnStart");
        ASSERT_TRUE(prompter.shown.empty());
        files.titles.clear();
    }
    void editListView() {
        auto& view = get<QPlainTextEdit>("RichEditList");
        view.moveCursor(QTextCursor::End);
        typeKeys(&view, QStringLiteral("Notiz"));
    }
};

TEST_F(AuditExportTest, BerichtSavesTheReportOfTheGeneratedList) {
    EXPECT_EQ(get<QPushButton>("BitBtnReport").text(), QStringLiteral("Bericht"));
    generateMulticenter();
    files.choices.push_back(file("bericht.txt"));

    click("BitBtnReport");

    EXPECT_EQ(files.titles, std::vector<QString>{QStringLiteral("Bericht")});
    EXPECT_TRUE(prompter.shown.empty());
    const std::string report = readBytes(file("bericht.txt"));
    EXPECT_TRUE(report.starts_with("Kelvaron-Generierungsbericht\nProgramm: Kelvaron\nVersion: 1.5.10\n"));
    EXPECT_NE(report.find("\nDesigndatei: " + kMulticenter.string() + "\n"), std::string::npos);
    EXPECT_NE(report.find("\nSeed der Liste: 1982386304\n"), std::string::npos);
    EXPECT_NE(report.find("\nSHA-256 der exportierten Liste: " +
                          Sha256::hexOf(exportText(window->listViewText())) + "\n"),
              std::string::npos);
}

TEST_F(AuditExportTest, TheExportDialogsCsvAndRedcapTypesWriteTheToolsTables) {
    generateMulticenter();
    files.exportTypes = {ExportType::Csv, ExportType::Redcap};
    files.choices = {file("liste.csv"), file("redcap.csv")};

    click("BitBtnExport");
    click("BitBtnExport");

    EXPECT_TRUE(prompter.shown.empty());
    const auto tool = runTool({"generate", kMulticenter.string(), "--csv", file("tool.csv").string(),
                               "--redcap", file("tool-redcap.csv").string()});
    ASSERT_EQ(tool.exitCode, cli::kExitGenerated) << tool.err;
    EXPECT_EQ(readBytes(file("liste.csv")), readBytes(file("tool.csv")));
    EXPECT_EQ(readBytes(file("redcap.csv")), readBytes(file("tool-redcap.csv")));
    EXPECT_TRUE(readBytes(file("redcap.csv")).starts_with("redcap_randomization_number,"));
}

TEST_F(AuditExportTest, AListEditedByHandGetsNoReportAndNoTableButItsTextIsExported) {
    generateMulticenter();
    editListView();
    files.exportTypes = {ExportType::Csv, ExportType::Redcap, ExportType::Text};
    files.choices = {file("bericht.txt"), file("liste.csv"), file("redcap.csv"), file("liste.txt")};

    click("BitBtnReport");
    click("BitBtnExport");
    click("BitBtnExport");
    click("BitBtnExport");

    EXPECT_EQ(prompter.texts(), std::vector<std::string>(3, formLang.captionOf("MessageListEdited")));
    for (const char* name : {"bericht.txt", "liste.csv", "redcap.csv"})
        EXPECT_FALSE(fs::exists(file(name))) << name;
    EXPECT_TRUE(readBytes(file("liste.txt")).ends_with("Notiz"));
}

TEST_F(AuditExportTest, VerifyConfirmsTheWindowsExportAndRejectsItWithOneArmChanged) {
    generateMulticenter();
    files.choices.push_back(file("liste.txt"));
    click("BitBtnExport");
    const auto exported = file("liste.txt");
    const std::vector<std::string> verify{"verify", kMulticenter.string(), exported.string()};
    const auto identical = runTool(verify);
    EXPECT_EQ(identical.exitCode, cli::kExitIdentical) << identical.err;

    std::string bytes = readBytes(exported);
    bytes.replace(bytes.find("1\t2\tPlacebo"), 11, "1\t1\tVerum");
    std::ofstream(exported, std::ios::binary) << bytes;
    const auto changed = runTool(verify);
    EXPECT_EQ(changed.exitCode, cli::kExitDifferent);
    EXPECT_EQ(changed.err, "different: line 3\nexpected: 1\t2\tPlacebo\nfound:    1\t1\tVerum\n");
}

} // namespace
} // namespace kelvaron::test
