// `kelvaron-cli print` end to end: the PDF files it writes, read back with poppler's pdftotext.
#include "PdfText.h"
#include "cli/Cli.h"
#include "core/text/CodePage.h"
#include "gui/print/ShortDate.h"

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

namespace fs = std::filesystem;
using test::pdfPageCount;
using test::pdfPageLines;
using test::wordsOf;
using Words = std::vector<std::string>;

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun runPrint(std::vector<std::string> args) {
    args.insert(args.begin(), "print");
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

class PrintCommand : public ::testing::Test {
protected:
    QTemporaryDir folder;

    [[nodiscard]] fs::path file(const char* name) const { return folder.filePath(name).toStdString(); }
    [[nodiscard]] fs::path design(const char* name, std::initializer_list<const char*> lines) const {
        const fs::path path = file(name);
        std::ofstream out(path, std::ios::binary);
        for (const char* line : lines)
            out << line << "\r\n";
        return path;
    }
    [[nodiscard]] std::vector<fs::path> filesInFolder() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folder.path().toStdString()))
            found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }
};

bool isNumber(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The table rows of a page: patient lines (number, arm, description, ...) and block separators.
struct PageRows {
    std::vector<Words> patients;
    int separators = 0;
};

PageRows rowsOf(const std::vector<std::string>& lines) {
    PageRows rows;
    for (const std::string& line : lines) {
        const Words words = wordsOf(line);
        if (words == Words{"-------", "Block", "------"})
            ++rows.separators;
        else if (words.size() >= 3 && isNumber(words[0]) && isNumber(words[1]))
            rows.patients.push_back(words);
    }
    return rows;
}

bool hasLine(const std::vector<std::string>& lines, const Words& words) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return wordsOf(line) == words; });
}

const Words kColumnTitles{"ID", "Arm", "Studienarm", "Zentrum", "Patient", "Geb.-Dat.", "Datum"};
const Words kTitle{"Multizentrische", "Studie", "Beispiel"};

// The bundled example has three centers of 24, 24 and 12 patients in blocks of 4: with a separator after
// every block their tables have 30, 30 and 15 rows. A4 portrait at 600 dpi holds 31 rows, so each center
// fills one page.
TEST_F(PrintCommand, TheMultiCenterExamplePrintsOnePagePerCenter) {
    const fs::path pdf = file("multicenter.pdf");
    // The tool itself, without a display or a platform chosen: it must draw offscreen on its own.
    const test::CommandResult run = test::runCommand(
        "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + test::shellQuoted(KELVARON_CLI) +
        " print examples/multicenter.kvd --pdf " + test::shellQuoted(pdf.string()) + " 2>&1");
    ASSERT_EQ(run.status, cli::kExitGenerated) << run.output;
    EXPECT_EQ(run.output, "");
    ASSERT_EQ(pdfPageCount(pdf), 3);
    EXPECT_EQ(test::pdfInfo(pdf, "Title"), "Morvex Kelvaron Version 1.5");
    EXPECT_EQ(test::pdfInfo(pdf, "Page size"), "595 x 842 pts (A4)");

    struct Center {
        Words heading;
        Words name; // in the "Zentrum" column and the footer: the description up to its first "-"
        std::size_t patients;
        int blocks;
    };
    const Center centers[] = {
        {{"Zentrum", "101", "Uni-Klinik", "Nord", "-", "Seed:", "(1982386304)"}, {"Uni"}, 24, 6},
        {{"Zentrum", "102", "Klinikum",
          "S\xC3\xBC"
          "d",
          "-", "Seed:", "(715426880)"},
         {"Klinikum", "S\xC3\xBC"
                      "d"},
         24,
         6},
        {{"Zentrum", "103", "Praxis", "am", "Marktplatz", "-", "Seed:", "(424962144)"},
         {"Praxis", "am", "Marktplatz"},
         12,
         3},
    };
    const std::string today = utf8FromCp1252(gui::todayShortDate());
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const Center& center = centers[page - 1];
        const std::vector<std::string> lines = pdfPageLines(pdf, page);
        ASSERT_GT(lines.size(), 5u);

        EXPECT_EQ(wordsOf(lines.front()), wordsOf(today));
        EXPECT_TRUE(hasLine(lines, kTitle));
        EXPECT_TRUE(hasLine(lines, center.heading));
        EXPECT_TRUE(hasLine(lines, kColumnTitles));

        const PageRows rows = rowsOf(lines);
        ASSERT_EQ(rows.patients.size(), center.patients);
        EXPECT_EQ(rows.separators, center.blocks);
        for (std::size_t i = 0; i < rows.patients.size(); ++i) {
            const Words& row = rows.patients[i];
            EXPECT_EQ(row[0], std::to_string(i + 1));
            EXPECT_TRUE(row[1] == "1" || row[1] == "2") << row[1];
            const Words zentrum(row.begin() + 3, row.end());
            EXPECT_EQ(zentrum, center.name);
        }

        // Footer: the title on the left, label and name in the middle, the page number on the right.
        Words footer = kTitle;
        footer.insert(footer.end(), center.heading.begin(), center.heading.begin() + 2);
        footer.back() += ":";
        footer.insert(footer.end(), center.name.begin(), center.name.end());
        footer.push_back(std::to_string(page));
        EXPECT_EQ(wordsOf(lines.back()), footer);
    }
}

// Landscape A4 holds 13 rows: the tables of 30, 30 and 15 rows take 3, 3 and 2 pages, each page with the
// column titles, and the page numbers run on through the job. Of a center's 13 + 13 + 4 rows, 11, 10 and
// 3 are patients.
TEST_F(PrintCommand, LandscapeTablesContinueOnFurtherPages) {
    const fs::path pdf = file("quer.pdf");
    const CliRun run = runPrint({"examples/multicenter.kvd", "--pdf", pdf.string(), "--landscape"});
    ASSERT_EQ(run.exitCode, cli::kExitGenerated) << run.err;
    EXPECT_EQ(test::pdfInfo(pdf, "Page size"), "842 x 595 pts (A4)");
    ASSERT_EQ(pdfPageCount(pdf), 8);

    const std::size_t patientsPerPage[] = {11, 10, 3, 11, 10, 3, 11, 1};
    const char* labels[] = {"101", "101", "101", "102", "102", "102", "103", "103"};
    int firstPatient = 1;
    for (int page = 1; page <= 8; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const std::vector<std::string> lines = pdfPageLines(pdf, page);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(hasLine(lines, kColumnTitles));
        const PageRows rows = rowsOf(lines);
        ASSERT_EQ(rows.patients.size(), patientsPerPage[page - 1]);
        if (page == 1 || page == 4 || page == 7)
            firstPatient = 1;
        EXPECT_EQ(rows.patients.front()[0], std::to_string(firstPatient));
        firstPatient += static_cast<int>(rows.patients.size());
        const Words footer = wordsOf(lines.back());
        EXPECT_EQ(footer.back(), std::to_string(page));
        EXPECT_EQ(footer[4], std::string(labels[page - 1]) + ":");
    }
}

TEST_F(PrintCommand, ExitsAsGenerateDoesAndWritesNoPdfWhenTheGenerationStops) {
    const fs::path frage = design("frage.kvd", {"[Design]", "Name=Frage", "Arme=3", "Fallzahl=120", "[Arme]",
                                                "Anzahl=3", "Ratio1=2", "Ratio2=1", "Ratio3=1", "[Bloecke]",
                                                "Fix=1", "Groesse=6", "[Zufall]", "Seed=5"});
    const std::string question =
        "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl. Abbrechen?";

    const fs::path cancelled = file("cancelled.pdf");
    const CliRun stopped = runPrint({frage.string(), "--pdf", cancelled.string()});
    EXPECT_EQ(stopped.exitCode, cli::kExitStopped);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err, question + " [yes]\n");
    EXPECT_FALSE(fs::exists(cancelled));

    const fs::path printed = file("printed.pdf");
    const CliRun goneOn = runPrint({frage.string(), "--answer", "no", "--pdf", printed.string()});
    EXPECT_EQ(goneOn.exitCode, cli::kExitWithMessages);
    EXPECT_EQ(goneOn.err, question + " [no]\n");
    const std::vector<std::string> page = pdfPageLines(printed, 1);
    EXPECT_TRUE(hasLine(page, {"Frage"}));
    EXPECT_TRUE(hasLine(page, {"Seed:", "(5)"}));

    // The list options reach the print: no block separators.
    const fs::path plain = file("plain.pdf");
    const CliRun noMarks =
        runPrint({"examples/studie-x.kvd", "--pdf", plain.string(), "--no-seed", "--no-block-marks"});
    EXPECT_EQ(noMarks.exitCode, cli::kExitGenerated) << noMarks.err;
    const PageRows rows = rowsOf(pdfPageLines(plain, 1));
    EXPECT_EQ(rows.patients.size(), 4u);
    EXPECT_EQ(rows.separators, 0);
}

TEST_F(PrintCommand, APdfThatCannotBeWrittenLeavesNothingBehind) {
    // The target is a folder: the file is made, but cannot take the folder's place.
    const fs::path taken = file("taken.pdf");
    fs::create_directory(taken);
    const CliRun onFolder = runPrint({"examples/studie-x.kvd", "--pdf", taken.string()});
    EXPECT_EQ(onFolder.exitCode, cli::kExitUsage);
    EXPECT_EQ(onFolder.err, "In " + taken.string() + " kann nicht geschrieben werden\n");
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(filesInFolder(), std::vector<fs::path>{"taken.pdf"});

    const fs::path missing = file("no-such-folder/list.pdf");
    const CliRun inMissing = runPrint({"examples/studie-x.kvd", "--pdf", missing.string()});
    EXPECT_EQ(inMissing.exitCode, cli::kExitUsage);
    EXPECT_EQ(inMissing.err, "In " + missing.string() + " kann nicht geschrieben werden\n");
}

TEST_F(PrintCommand, UsageErrors) {
    const std::vector<std::string> cases[] = {
        {},
        {"examples/studie-x.kvd"},
        {"examples/studie-x.kvd", "--pdf"},
        {"examples/studie-x.kvd", "--pdf", ""},
        {"examples/studie-x.kvd", "--pdf", "x.pdf", "-o", "y.txt"},
        {"examples/studie-x.kvd", "--pdf", "x.pdf", "--answer", "vielleicht"},
        {"examples/studie-x.kvd", "examples/multicenter.kvd", "--pdf", "x.pdf"},
    };
    for (const auto& args : cases) {
        const CliRun run = runPrint(args);
        EXPECT_EQ(run.exitCode, cli::kExitUsage) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("kelvaron-cli print: "), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists("x.pdf"));

    const CliRun missing = runPrint({"no-such-design.kvd", "--pdf", file("x.pdf").string()});
    EXPECT_EQ(missing.exitCode, cli::kExitUsage);
    EXPECT_FALSE(fs::exists(file("x.pdf")));

    const CliRun help = runPrint({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: kelvaron-cli print DESIGN.kvd --pdf FILE", 0), 0u);
}

} // namespace
} // namespace kelvaron
