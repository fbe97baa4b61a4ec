#include "cli/Cli.h"

#include "cli/GenerateCommand.h"
#include "cli/VerifyCommand.h"
#ifdef KELVARON_WITH_PRINT
#include "cli/PrintCommand.h"
#endif
#include "core/engine/SeedProposal.h"
#include "core/platform/SystemClock.h"
#include "core/selftest/SelftestRun.h"
#include "core/text/CodePage.h"

#include <string_view>

namespace kelvaron::cli {
namespace {

constexpr std::string_view kMainHelp = R"(Usage: kelvaron-cli COMMAND [OPTIONS]
       kelvaron-cli --version

Produces randomization lists for clinical trials from Kelvaron design files (.kvd).

Commands:
  generate    generate the randomization list of a design
  verify      compare a list file with the list generated from its design
  print       print the randomization list of a design to a PDF file
  selftest    run the ten self-test passes of the random generator
  propose-seed  print a seed proposed from the clock

--version prints the program's name, version and the SHA-256 of the program file.
Run 'kelvaron-cli COMMAND --help' for the options of a command.
)";

// The running program file, as the system names it.
constexpr std::string_view kProgramFile = "/proc/self/exe";

constexpr std::string_view kGenerateHelp =
    R"(Usage: kelvaron-cli generate DESIGN.kvd [--answer yes|no] [--no-block-marks] [--no-seed] [-o FILE]
                             [--report FILE] [--csv FILE] [--redcap FILE]

Loads the design, leaves the design page as the window does (an empty seed is proposed and printed on
standard error), and generates the list as the "Generieren" command does.

  --answer yes|no   the answer to every Yes/No question (default yes: cancel at the first question)
  --no-block-marks  no separator line after each block ("Bloecke markieren" off)
  --no-seed         no seeds in the list ("Seed ausgeben" off)
  -o FILE           write the list to FILE as the window's Export does (CR LF, Windows-1252)
                    instead of printing it on standard output (UTF-8, line feeds)
  --report FILE     write the generation report (UTF-8 text): program, time, user, design,
                    questions and answers, seeds, per list the counts and the SHA-256 of the
                    exported list (what 'sha256sum' prints for the -o file)
  --csv FILE        write the list as a CSV table (UTF-8, CR LF), one row per patient:
                    center_number,center_description,patient,arm,arm_description,block,
                    block_size,position_in_block
  --redcap FILE     write the allocation table that REDCap's randomization module imports;
                    refused (nothing written) when a center number is not a whole number >= 1

The list, the report and the tables all come from one generation; each file is written
atomically (replaced completely or left as it was). A run that stops writes none of them.

Every message the program shows is printed on standard error, one per line.
Exit status: 0 generated without messages; 1 stopped before any patient line;
2 usage error, unreadable design file, unwritable FILE or refused REDCap table;
3 generated with messages.
)";

constexpr std::string_view kVerifyHelp =
    R"(Usage: kelvaron-cli verify DESIGN.kvd LIST [--answer yes|no] [--no-block-marks] [--no-seed]

Generates the list of the design as 'generate' does and compares LIST with it, line by line. LIST may be
an export (the -o file or the window's Export: Windows-1252, CR LF), the standard output of 'generate'
(UTF-8, line feeds) or the CSV table of --csv. Give the options the list was generated with.

  --answer, --no-block-marks, --no-seed   as for 'generate'

Exit status: 0 identical; 1 different (the first differing line's number, the expected and the found
text on standard error); 2 usage error, unreadable design or list file, or no list to compare with.
)";

#ifdef KELVARON_WITH_PRINT
constexpr std::string_view kPrintHelp =
    R"(Usage: kelvaron-cli print DESIGN.kvd --pdf FILE [--answer yes|no] [--no-block-marks] [--no-seed]
                          [--landscape]

Generates the list as 'generate' does and prints it as the window's "Drucken" command does, into the
PDF file FILE: A4 pages (portrait, or landscape with --landscape) at 600 dots per inch, one table per
center, each starting on a new page. FILE is written atomically; a run that stops writes nothing.

  --answer, --no-block-marks, --no-seed   as for 'generate'

Every message the program shows is printed on standard error, one per line.
Exit status: 0 printed without messages; 1 stopped before any patient line (nothing printed);
2 usage error, unreadable design file or unwritable FILE; 3 printed with messages.
)";
#endif

constexpr std::string_view kSelftestHelp = R"(Usage: kelvaron-cli selftest

Runs the ten passes of the generator's self-test and prints one line per pass.
Exit status 0 when every pass reproduces its stored sum, 1 otherwise.
)";

constexpr std::string_view kProposeSeedHelp = R"(Usage: kelvaron-cli propose-seed

Prints a seed proposed from the calendar clock, as the "erzeugen" button does.
)";

bool wantsHelp(std::span<const std::string> args) {
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

// Prints the outcome of each pass as the dialog shows it: its OK text or its error note.
class PrintingSelftestView : public SelftestView {
public:
    explicit PrintingSelftestView(std::ostream& out) : out_(out) {}
    void showValue(std::string_view) override {}
    void showSum(std::string_view) override {}
    void showResult(std::string_view text) override { out_ << text << '\n'; }
    void setProgress(int) override {}
    void note(std::string_view text) override { out_ << utf8FromCp1252(text) << '\n'; }
    void processPendingEvents() override {}
    void wait(int) override {}

private:
    std::ostream& out_;
};

int runSelftest(std::ostream& out) {
    TRandomGenerator generator;
    PrintingSelftestView view(out);
    SelftestRun run;
    return run.run(generator, view) == ModalResult::OK ? 0 : 1;
}

int runProposeSeed(std::ostream& out) {
    SystemClock clock;
    TRandomGenerator generator;
    out << proposeSeed(clock, generator) << '\n';
    return 0;
}

int printVersion(std::ostream& out) {
    const ProgramIdentity program = cliProgramIdentity();
    out << program.name << ' ' << program.version << '\n'
        << "SHA-256: " << (program.sha256Hex.empty() ? "(program file unreadable)" : program.sha256Hex)
        << '\n';
    return 0;
}

int usage(std::ostream& err, std::string_view problem) {
    err << "kelvaron-cli: " << problem << " (see 'kelvaron-cli --help')\n";
    return kExitUsage;
}

} // namespace

ProgramIdentity cliProgramIdentity() {
    return programIdentity("kelvaron-cli", KELVARON_VERSION, std::filesystem::path(kProgramFile));
}

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& languageDir) {
    if (args.empty())
        return usage(err, "no command given");
    const std::string& command = args.front();
    const auto rest = args.subspan(1);
    if (command == "--help" || command == "-h") {
        out << kMainHelp;
        return 0;
    }
    if (command == "--version") {
        if (!rest.empty())
            return usage(err, "'--version' takes no arguments");
        return printVersion(out);
    }
    if (command == "verify") {
        if (wantsHelp(rest)) {
            out << kVerifyHelp;
            return 0;
        }
        const auto options = parseVerifyOptions(rest, err);
        if (!options)
            return kExitUsage;
        return runVerify(*options, languageDir, out, err);
    }
    if (command == "generate") {
        if (wantsHelp(rest)) {
            out << kGenerateHelp;
            return 0;
        }
        const auto options = parseGenerateOptions(rest, err);
        if (!options)
            return kExitUsage;
        return runGenerate(*options, languageDir, out, err);
    }
    if (command == "print") {
#ifdef KELVARON_WITH_PRINT
        if (wantsHelp(rest)) {
            out << kPrintHelp;
            return 0;
        }
        const auto options = parsePrintOptions(rest, err);
        if (!options)
            return kExitUsage;
        return runPrint(*options, languageDir, err);
#else
        return usage(err, "'print' is not available in this build");
#endif
    }
    if (command == "selftest" || command == "propose-seed") {
        if (wantsHelp(rest)) {
            out << (command == "selftest" ? kSelftestHelp : kProposeSeedHelp);
            return 0;
        }
        if (!rest.empty())
            return usage(err, "'" + command + "' takes no arguments");
        return command == "selftest" ? runSelftest(out) : runProposeSeed(out);
    }
    return usage(err, "unknown command '" + command + "'");
}

} // namespace kelvaron::cli
