#include "cli/Cli.h"

#include "RunCli.h"
#include "support/OrdinaryUser.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kelvaron::cli {
namespace {

namespace fs = std::filesystem;

using Result = CliRun;

Result run(const std::vector<std::string>& args, const fs::path& languageDir = {}) {
    return runTool(args, languageDir);
}

// A design in the profile-file syntax, lines ended by CR LF.
std::string kvd(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text.append(line).append("\r\n");
    return text;
}

const std::string kStudieX = "Studie X\nSeed: (17)\n1\t2\tB\n2\t1\tA\n------- Block ------\n"
                             "3\t2\tB\n4\t1\tA\n------- Block ------\n";

TEST(Cli, GeneratesTheStudieXExampleByteForByte) {
    const auto result = run({"generate", "examples/studie-x.kvd"});
    EXPECT_EQ(result.exitCode, kExitGenerated);
    EXPECT_EQ(result.out, kStudieX);
    EXPECT_EQ(result.err, "");
}

TEST(Cli, TheLanguageFileBesideTheProgramTranslatesTheListTexts) {
    test::ScratchFolder programDir;
    (void)programDir.write("KelvaronLang.ini",
                           kvd({"[FormLang]", "FormLang.LabelBlock.Caption=Bloc", "[FormKelvaron]",
                                "FormKelvaron.LabelCenter.Caption=Centre"}));
    const auto single = run({"generate", "examples/studie-x.kvd"}, programDir.path());
    EXPECT_EQ(single.out.substr(single.out.size() - 20), "------- Bloc ------\n");
    const auto perCenter = run({"generate", "examples/multicenter.kvd"}, programDir.path());
    EXPECT_NE(perCenter.out.find("\nCentre 101\tUni-Klinik Nord"), std::string::npos);
}

TEST(Cli, WritesTheExportFormatWithDashO) {
    test::ScratchFolder dir;
    const auto output = dir / "liste.txt";
    const auto result = run({"generate", "examples/studie-x.kvd", "-o", output.string()});
    EXPECT_EQ(result.exitCode, kExitGenerated);
    EXPECT_EQ(result.out, "");
    std::string expected;
    for (char c : kStudieX) {
        if (c == '\n')
            expected.push_back('\r');
        expected.push_back(c);
    }
    EXPECT_EQ(test::readBytes(output), expected);
}

TEST(Cli, ListOptionsSwitchOffMarksAndSeeds) {
    const auto result = run({"generate", "--no-block-marks", "--no-seed", "examples/studie-x.kvd"});
    EXPECT_EQ(result.exitCode, kExitGenerated);
    EXPECT_EQ(result.out, "Studie X\n\n1\t2\tB\n2\t1\tA\n3\t2\tB\n4\t1\tA\n");
}

TEST(Cli, TheMultiCenterExampleWritesOneListPerCenter) {
    const auto result = run({"generate", "examples/multicenter.kvd"});
    EXPECT_EQ(result.exitCode, kExitGenerated) << result.err;
    EXPECT_NE(result.out.find("Zentrum 101\tUni-Klinik Nord - Seed: (1982386304)\n"), std::string::npos);
    EXPECT_NE(result.out.find("Zentrum 102\tKlinikum S\xC3\xBC"
                              "d - Seed: (715426880)\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("Zentrum 103\tPraxis am Marktplatz - Seed: (424962144)\n"), std::string::npos);
}

TEST(Cli, QuestionsAreAnsweredByTheAnswerPolicy) {
    test::ScratchFolder dir;
    const auto design =
        dir.write("frage.kvd",
                  kvd({"[Design]", "Name=Frage", "Arme=3", "Fallzahl=120", "[Arme]", "Anzahl=3", "Ratio1=2",
                       "Ratio2=1", "Ratio3=1", "[Bloecke]", "Fix=1", "Groesse=6", "[Zufall]", "Seed=5"}));
    const std::string question =
        "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl. Abbrechen?";

    const auto cancelled = run({"generate", design.string()});
    EXPECT_EQ(cancelled.exitCode, kExitStopped);
    EXPECT_EQ(cancelled.out, "Frage\n");
    EXPECT_EQ(cancelled.err, question + " [yes]\n");

    const auto goneOn = run({"generate", design.string(), "--answer", "no"});
    EXPECT_EQ(goneOn.exitCode, kExitWithMessages);
    EXPECT_EQ(goneOn.err, question + " [no]\n");
    EXPECT_EQ(goneOn.out.substr(0, 16), "Frage\nSeed: (5)\n");
}

TEST(Cli, AnEmptySeedIsProposedAndPrinted) {
    test::ScratchFolder dir;
    const auto design = dir.write(
        "ohne-seed.kvd", kvd({"[Design]", "Arme=2", "Fallzahl=4", "[Bloecke]", "Fix=1", "Groesse=2"}));
    const auto result = run({"generate", design.string()});
    EXPECT_EQ(result.exitCode, kExitGenerated);
    ASSERT_EQ(result.err.rfind("Proposed seed: ", 0), 0u) << result.err;
    const std::string seed = result.err.substr(15, result.err.size() - 16);
    EXPECT_NE(result.out.find("Seed: (" + seed + ")\n"), std::string::npos);
}

TEST(Cli, StoppedRunsPrintWhatTheListViewWouldShow) {
    test::ScratchFolder dir;
    struct Case {
        std::string design;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        // The design page check fails: nothing generated.
        {kvd({"[Design]", "Name=T", "Arme=drei", "[Zufall]", "Seed=1"}), "",
         "G\xC3\xBCltige Anzahl f\xC3\xBCr Studienarme eingeben!\n"},
        // A check before generation stops: the title line.
        {kvd({"[Design]", "Name=T", "Arme=2", "Fallzahl=4", "[Arme]", "Anzahl=2", "[Bloecke]", "Fix=1",
              "Groesse=3", "[Zufall]", "Seed=1"}),
         "T\n",
         "Die verwendete Anzahl der Studienarme pa\xC3\x9Ft nicht zur angegebenen Blockgr\xC3\xB6\xC3\x9F"
         "e. Abbrechen? [yes]\n"},
        // The single list's block plan fails: title and seed.
        {kvd({"[Design]", "Name=T", "Arme=2", "Fallzahl=10", "[Bloecke]", "Fix=0", "Von=4", "Bis=5",
              "[Zufall]", "Seed=3"}),
         "T\nSeed: (3)\n",
         "Bl\xC3\xB6"
         "cke konnten nicht generiert werden, Blockgr\xC3\xB6\xC3\x9F"
         "e zu stark eingeschr\xC3\xA4nkt?\n"},
        // Per-center lists with no centers.
        {kvd({"[Design]", "Name=T", "Arme=2", "Fallzahl=4", "Multicenter=1", "Zentren=0", "[Bloecke]",
              "Fix=1", "Groesse=2", "[Zufall]", "Seed=3"}),
         "", "Internal Error #61\n"},
    };
    for (const auto& c : cases) {
        const auto design = dir.write("stop.kvd", c.design);
        const auto result = run({"generate", design.string()});
        EXPECT_EQ(result.exitCode, kExitStopped) << c.design;
        EXPECT_EQ(result.out, c.out) << c.design;
        EXPECT_EQ(result.err, c.err) << c.design;
    }
}

TEST(Cli, UsageErrorsAndUnreadableDesigns) {
    EXPECT_EQ(run({}).exitCode, kExitUsage);
    EXPECT_EQ(run({"generieren"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"generate"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"generate", "a.kvd", "--answer", "vielleicht"}).exitCode, kExitUsage);
    EXPECT_EQ(run({"selftest", "extra"}).exitCode, kExitUsage);
    const auto missing = run({"generate", "gibt-es-nicht.kvd"});
    EXPECT_EQ(missing.exitCode, kExitUsage);
    EXPECT_EQ(missing.err, "Fehler beim \xC3\x96"
                           "ffnen der Datei gibt-es-nicht.kvd\n");
    EXPECT_EQ(missing.out, "");
}

TEST(Cli, AnOutputThatCannotBeWrittenLeavesNothingBehind) {
    test::ScratchFolder dir;
    const auto output = (dir / "kein-ordner") / "liste.txt";
    const auto result = run({"generate", "examples/studie-x.kvd", "-o", output.string()});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.err, "In " + output.string() + " kann nicht geschrieben werden\n");
    EXPECT_FALSE(fs::exists(output));
}

TEST(Cli, AWriteProtectedOutputIsKeptForAnOrdinaryUser) {
    test::ScratchFolder dir;
    fs::permissions(dir.path(), fs::perms::all);
    const auto output = dir.write("liste.txt", "alte Liste");
    fs::permissions(output, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto report = test::asOrdinaryUser([&] {
        const auto result = run({"generate", "examples/studie-x.kvd", "-o", output.string()});
        return std::to_string(result.exitCode) + " " + result.err;
    });
    if (!report)
        GTEST_SKIP() << "this process cannot run a child as an ordinary user";
    EXPECT_EQ(*report,
              std::to_string(kExitUsage) + " In " + output.string() + " kann nicht geschrieben werden\n");
    EXPECT_EQ(test::readBytes(output), "alte Liste");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"liste.txt"});
}

TEST(Cli, HelpForEveryCommand) {
    for (const char* command : {"generate", "verify", "selftest", "propose-seed"}) {
        const auto result = run({command, "--help"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.out.find(std::string("kelvaron-cli ") + command), std::string::npos);
    }
    EXPECT_EQ(run({"--help"}).exitCode, 0);
}

TEST(Cli, SelftestPrintsOneLinePerPass) {
    const auto result = run({"selftest"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "#1 - OK\n#2 - OK\n#3 - OK\n#4 - OK\n#5 - OK\n#6 - OK\n#7 - OK\n#8 - OK\n#9 - OK\n"
                          "#10 - OK\n");
}

TEST(Cli, ProposedSeedsAreInRange) {
    const auto result = run({"propose-seed"});
    EXPECT_EQ(result.exitCode, 0);
    const long long seed = std::stoll(result.out);
    EXPECT_GE(seed, 1);
    EXPECT_LE(seed, 2147483392);
}

} // namespace
} // namespace kelvaron::cli
