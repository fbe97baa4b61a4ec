#include "cli/VerifyCommand.h"

#include "cli/Cli.h"
#include "cli/CliPrompter.h"
#include "core/audit/ListVerification.h"
#include "core/design/Limits.h"
#include "core/file/AtomicFile.h"
#include "core/text/CodePage.h"
#include "core/text/PathText.h"

namespace kelvaron::cli {
namespace {

// A list file is at most the export of the longest list text (every LF becomes CR LF); a CSV row is
// shorter than the line it describes plus its center texts. Anything larger is no list of ours.
constexpr std::size_t kMaxListFileBytes = 4 * static_cast<std::size_t>(limits::kMaxListTextBytes);

void printLine(std::ostream& err, std::string_view label, const std::optional<std::string>& text) {
    err << label;
    if (text)
        err << utf8FromCp1252(*text) << '\n';
    else
        err << "(no line)\n";
}

} // namespace

std::optional<VerifyOptions> parseVerifyOptions(std::span<const std::string> args, std::ostream& err) {
    VerifyOptions options;
    bool haveDesign = false;
    bool haveList = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takeListArgument(args, i, options.list, haveDesign))
            continue;
        if (haveDesign && !haveList && !args[i].empty() && args[i].front() != '-') {
            options.listFile = args[i];
            haveList = true;
            continue;
        }
        err << "kelvaron-cli verify: unexpected argument '" << args[i] << "' (see --help)\n";
        return std::nullopt;
    }
    if (!haveList) {
        err << "kelvaron-cli verify: a design file and a list file are needed (see --help)\n";
        return std::nullopt;
    }
    return options;
}

int runVerify(const VerifyOptions& options, const std::filesystem::path& languageDir, std::ostream& out,
              std::ostream& err) {
    const ReadFileResult file = readWholeFile(options.listFile, kMaxListFileBytes);
    if (file.status != ReadFileStatus::Read) {
        err << "kelvaron-cli verify: cannot read the list file " << utf8FromCp1252(pathText(options.listFile))
            << '\n';
        return kExitUsage;
    }
    CliPrompter prompter(err, options.list.answerYes);
    const GeneratedList list = generateList(options.list, languageDir, prompter, err);
    if (!list.generation) {
        err << "kelvaron-cli verify: the design gives no list to compare with\n";
        return kExitUsage;
    }
    const ListVerification verification = verifyListFile(list.listText, *list.generation, file.bytes);
    switch (verification.outcome) {
    case VerifyOutcome::Identical:
        out << "identical: the file holds the list generated from the design\n";
        return kExitIdentical;
    case VerifyOutcome::Different: {
        const LineDifference& difference = *verification.difference;
        err << "different: line " << difference.line << '\n';
        printLine(err, "expected: ", difference.expected);
        printLine(err, "found:    ", difference.found);
        return kExitDifferent;
    }
    case VerifyOutcome::UnreadableForm:
        break;
    }
    err << "kelvaron-cli verify: the list file is neither an export, the tool's output nor its CSV table\n";
    return kExitUsage;
}

} // namespace kelvaron::cli
