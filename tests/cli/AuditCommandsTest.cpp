// The tool's audit commands: --version, the report and tables beside a generated list, and verify.
#include "RunCli.h"
#include "cli/Cli.h"
#include "core/text/Sha256.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace kelvaron::cli {
namespace {

namespace fs = std::filesystem;

using Result = CliRun;

Result run(const std::vector<std::string>& args, const fs::path& languageDir = {}) {
    return runTool(args, languageDir);
}

const fs::path kGoldenDir = KELVARON_AUDIT_GOLDEN_DIR;

// The report with what varies from run to run or machine to machine replaced by "*": the program's
// digest, the time, the user and the design file's path.
std::string masked(const std::string& report) {
    static const std::vector<std::string> kVarying = {
        "SHA-256 des Programms: ", "Zeitpunkt: ", "Benutzer: ", "Designdatei: "};
    std::istringstream lines(report);
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        for (const auto& label : kVarying) {
            if (line.starts_with(label))
                line = label + "*";
        }
        result.append(line).append("\n");
    }
    return result;
}

// The value of the report's line that starts with `label`.
std::string reportValue(const std::string& report, const std::string& label) {
    const auto at = report.find("\n" + label);
    if (at == std::string::npos)
        return {};
    const auto start = at + 1 + label.size();
    return report.substr(start, report.find('\n', start) - start);
}

TEST(AuditCommands, VersionNamesTheProgramItsVersionAndTheDigestOfItsFile) {
    const auto result = run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    const std::string digest = Sha256::hexOf(test::readBytes("/proc/self/exe"));
    EXPECT_EQ(result.out, "kelvaron-cli 1.5.10\nSHA-256: " + digest + "\n");
    EXPECT_EQ(run({"--version", "extra"}).exitCode, kExitUsage);
}

struct GoldenDesign {
    const char* name;
    const char* design;
};

class AuditGolden : public ::testing::TestWithParam<GoldenDesign> {};

TEST_P(AuditGolden, ReportAndTablesMatchTheGoldenFilesAndTheReportConfirmsTheExport) {
    test::ScratchFolder dir;
    const auto list = dir / "liste.txt";
    const auto report = dir / "bericht.txt";
    const auto csv = dir / "liste.csv";
    const auto redcap = dir / "redcap.csv";
    const auto result = run({"generate", GetParam().design, "-o", list.string(), "--report", report.string(),
                             "--csv", csv.string(), "--redcap", redcap.string()});
    ASSERT_EQ(result.exitCode, kExitGenerated) << result.err;
    const fs::path golden = kGoldenDir / GetParam().name;
    EXPECT_EQ(masked(test::readBytes(report)), test::readBytes(golden / "report.txt"));
    EXPECT_EQ(test::readBytes(csv), test::readBytes(golden / "list.csv"));
    EXPECT_EQ(test::readBytes(redcap), test::readBytes(golden / "redcap.csv"));
    const std::string reportText = test::readBytes(report);
    EXPECT_EQ(reportValue(reportText, "SHA-256 der exportierten Liste: "),
              Sha256::hexOf(test::readBytes(list)));
    EXPECT_EQ(reportValue(reportText, "Designdatei: "), fs::absolute(GetParam().design).string());
    EXPECT_EQ(reportValue(reportText, "SHA-256 der Designdatei: "),
              Sha256::hexOf(test::readBytes(GetParam().design)));
    // The same files beside the list on standard output.
    EXPECT_EQ(run({"generate", GetParam().design, "--csv", (dir / "zwei.csv").string()}).exitCode,
              kExitGenerated);
    EXPECT_EQ(test::readBytes(dir / "zwei.csv"), test::readBytes(csv));
}

INSTANTIATE_TEST_SUITE_P(Designs, AuditGolden,
                         ::testing::Values(GoldenDesign{"studie-x", "examples/studie-x.kvd"},
                                           GoldenDesign{"multicenter", "examples/multicenter.kvd"}),
                         [](const auto& testInfo) {
                             return std::string(testInfo.param.name == std::string("studie-x")
                                                    ? "SingleList"
                                                    : "PerCenterLists");
                         });

// The multicenter example's list, generated once per form.
struct VerifyFiles {
    test::ScratchFolder dir;
    fs::path exported = dir / "liste.txt";
    fs::path printed = dir / "ausgabe.txt";
    fs::path csv = dir / "liste.csv";

    VerifyFiles() {
        EXPECT_EQ(
            run({"generate", "examples/multicenter.kvd", "-o", exported.string(), "--csv", csv.string()})
                .exitCode,
            kExitGenerated);
        dir.write("ausgabe.txt", run({"generate", "examples/multicenter.kvd"}).out);
    }
};

TEST(Verify, ConfirmsTheListInEachOfItsThreeForms) {
    const VerifyFiles files;
    for (const auto& file : {files.exported, files.printed, files.csv}) {
        const auto result = run({"verify", "examples/multicenter.kvd", file.string()});
        EXPECT_EQ(result.exitCode, kExitIdentical) << file << ": " << result.err;
    }
}

struct Alteration {
    const char* name;
    std::string (*alter)(std::string);
    std::string expectedErr;
};

class VerifyAltered : public ::testing::TestWithParam<Alteration> {};

// The export's line 3 is "1\t2\tPlacebo", the first patient of center 101; it has 79 lines (title, three
// headings, 60 patients and 15 block separators).
TEST_P(VerifyAltered, NamesTheFirstDifferingLine) {
    const VerifyFiles files;
    files.dir.write("liste.txt", GetParam().alter(test::readBytes(files.exported)));
    const auto result = run({"verify", "examples/multicenter.kvd", files.exported.string()});
    EXPECT_EQ(result.exitCode, kExitDifferent);
    EXPECT_EQ(result.err, GetParam().expectedErr);
}

std::string oneArmChanged(std::string list) {
    return list.replace(list.find("1\t2\tPlacebo"), 11, "1\t1\tVerum");
}
std::string oneLineMissing(std::string list) {
    const auto start = list.find("1\t2\tPlacebo");
    return list.erase(start, list.find('\n', start) + 1 - start);
}
std::string oneLineExtra(std::string list) {
    return list + "61\t1\tVerum\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, VerifyAltered,
    ::testing::Values(Alteration{"OneArmChanged", oneArmChanged,
                                 "different: line 3\nexpected: 1\t2\tPlacebo\nfound:    1\t1\tVerum\n"},
                      Alteration{"OneLineMissing", oneLineMissing,
                                 "different: line 3\nexpected: 1\t2\tPlacebo\nfound:    2\t2\tPlacebo\n"},
                      Alteration{"OneLineExtra", oneLineExtra,
                                 "different: line 80\nexpected: (no line)\nfound:    61\t1\tVerum\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Verify, UsageErrorsAndUnreadableFilesExitWithTwo) {
    const VerifyFiles files;
    EXPECT_EQ(run({"verify"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"verify", "examples/multicenter.kvd"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"verify", "examples/multicenter.kvd", files.csv.string(), "extra"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"verify", "examples/multicenter.kvd", (files.dir / "fehlt.txt").string()}).exitCode,
              kExitUsage);
    EXPECT_EQ(run({"verify", "gibt-es-nicht.kvd", files.exported.string()}).exitCode, kExitUsage);
    // Line ends of both kinds make no list file of ours.
    files.dir.write("gemischt.txt", "Titel\r\nSeed: (1)\n");
    const auto mixed = run({"verify", "examples/multicenter.kvd", (files.dir / "gemischt.txt").string()});
    EXPECT_EQ(mixed.exitCode, kExitUsage);
    EXPECT_EQ(run({"verify", "--help"}).out.find("Usage: kelvaron-cli verify"), 0U);
}

TEST(AuditCommands, ARefusedRedcapTableLeavesEveryFileUnwritten) {
    test::ScratchFolder dir;
    std::string design = test::readBytes("examples/multicenter.kvd");
    design.replace(design.find("ID1=101"), 7, "ID1=A1");
    const auto kvd = dir.write("studie.kvd", design);
    const auto result = run({"generate", kvd.string(), "-o", (dir / "liste.txt").string(), "--report",
                             (dir / "bericht.txt").string(), "--csv", (dir / "liste.csv").string(),
                             "--redcap", (dir / "redcap.csv").string()});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.err,
              "Die REDCap-Tabelle wurde nicht geschrieben: Die Zentrumsnummer mu\xC3\x9F eine ganze "
              "Zahl ab 1 sein. Zentrum \"A1\" Uni-Klinik Nord\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"studie.kvd"});
}

TEST(AuditCommands, AStoppedGenerationWritesNoReport) {
    test::ScratchFolder dir;
    const auto report = dir / "bericht.txt";
    const auto result = run({"generate", "gibt-es-nicht.kvd", "--report", report.string()});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_FALSE(fs::exists(report));
}

} // namespace
} // namespace kelvaron::cli
