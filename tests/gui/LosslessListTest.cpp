// The list view hands on exactly the characters it shows: export, clipboard and print of a list whose
// texts hold every printable Windows-1252 character, the no-break space and the soft hyphen included.
#include "WindowFixture.h"
#include "cli/Cli.h"
#include "core/print/TFormDruck.h"
#include "core/window/ListExport.h"
#include "support/RecordingCanvas.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>
#include <sstream>

namespace kelvaron::test {
namespace {

// Every printable Windows-1252 character: the ASCII ones, then every assigned byte from 0x80 on.
std::string printableCp1252() {
    std::string text;
    for (int byte = 0x21; byte <= 0x7E; ++byte)
        text.push_back(static_cast<char>(byte));
    text.push_back(' ');
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            text.push_back(static_cast<char>(byte));
    }
    return text;
}

const std::string kNoBreakDescription = "Verum\xA0"
                                        "20\xAD"
                                        "mg";

std::string designWithEveryCharacter() {
    return "[Design]\r\nName=" + printableCp1252() +
           "\r\nArme=2\r\nFallzahl=4\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\nBez1=Arm 1\r\nBeschr1=" +
           kNoBreakDescription + "\r\nRatio1=1\r\nBez2=Arm 2\r\nBeschr2=" + printableCp1252() +
           "\r\nRatio2=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=2\r\n[Zufall]\r\nSeed=17\r\n";
}

class LosslessList : public WindowTest {
protected:
    // Loads the design into the window, saves it again as `saved` and generates its list.
    void generateFromSavedDesign(const std::filesystem::path& saved) {
        const auto written = file("written.kvd");
        std::ofstream(written, std::ios::binary) << designWithEveryCharacter();
        files.choices.push_back(written);
        click("BitBtnLoad");
        ASSERT_EQ(window->model().design.studyName, printableCp1252());
        files.choices.push_back(saved);
        click("BitBtnSave");
        clickTab(Page::Liste);
        click("BitBtnStart");
        ASSERT_TRUE(prompter.shown.empty());
    }
};

TEST_F(LosslessList, ExportIsByteIdenticalToTheToolsExportOfTheSavedDesign) {
    generateFromSavedDesign(file("saved.kvd"));
    files.choices.push_back(file("window.txt"));
    click("BitBtnExport");

    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"generate", file("saved.kvd").string(), "-o",
                                        file("tool.txt").string()};
    ASSERT_EQ(cli::runCli(args, out, err), cli::kExitGenerated) << err.str();
    const std::string exported = readBytes(file("window.txt"));
    EXPECT_EQ(exported, readBytes(file("tool.txt")));
    EXPECT_TRUE(exported.starts_with(printableCp1252() + "\r\n"));
    EXPECT_NE(exported.find("\t" + kNoBreakDescription + "\r\n"), std::string::npos);
}

TEST_F(LosslessList, ClipboardAndPrintCarryTheListViewsCharacters) {
    generateFromSavedDesign(file("saved.kvd"));
    const std::string list = window->listViewText();
    ASSERT_TRUE(list.starts_with(printableCp1252() + "\n"));

    click("BitBtnClipboard");
    EXPECT_EQ(QApplication::clipboard()->text(), gui::qtText(list));

    // What "Drucken" prints: the list view's text through the print layout.
    RecordingPrinter device(4760, 6779, 600);
    const PrintSource source{list, window->model().centerLinePrefix(), window->model().blockSeparatorLine(),
                             "Kelvaron"};
    ASSERT_TRUE(printList(device, source, "11.12.2026").ok());
    const auto printed = [&](const std::string& text) {
        const auto drawn = device.recorded.visibleTexts();
        return std::count_if(drawn.begin(), drawn.end(), [&](const DrawnText& cell) {
            return cell.text.find(text) != std::string::npos;
        });
    };
    EXPECT_GT(printed(printableCp1252()), 0);
    EXPECT_GT(printed(kNoBreakDescription), 0);
}

TEST_F(LosslessList, ANoBreakSpaceTypedIntoTheListViewIsExported) {
    clickTab(Page::Liste);
    click("BitBtnStart");
    auto& view = get<QPlainTextEdit>("RichEditList");
    view.moveCursor(QTextCursor::End);
    typeKeys(&view, QString::fromUtf8("20\xC2\xA0mg\xC2\xAD"));
    files.choices.push_back(file("list.txt"));

    click("BitBtnExport");

    EXPECT_TRUE(readBytes(file("list.txt")).ends_with("20\xA0mg\xAD"));
}

} // namespace
} // namespace kelvaron::test
