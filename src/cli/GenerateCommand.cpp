#include "cli/GenerateCommand.h"

#include "cli/Cli.h"
#include "cli/CliPrompter.h"
#include "core/audit/GenerationReport.h"
#include "core/audit/ListCsv.h"
#include "core/audit/RedcapTable.h"
#include "core/audit/ReportCircumstances.h"
#include "core/engine/Selftest.h"
#include "core/engine/TRandomGenerator.h"
#include "core/file/AtomicFile.h"
#include "core/i18n/ApplicationForms.h"
#include "core/i18n/Translator.h"
#include "core/platform/SystemClock.h"
#include "core/text/CodePage.h"
#include "core/text/PathText.h"
#include "core/window/ListExport.h"
#include "core/window/MainWindowModel.h"

#include <fstream>
#include <variant>
#include <vector>

namespace kelvaron::cli {
namespace {

bool readable(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream probe(path, std::ios::binary);
    return probe.good();
}

// A report or table to write.
struct AuditFile {
    std::filesystem::path path;
    std::string bytes;
};

// The report and tables the options ask for, or nullopt when the REDCap table is refused (the message
// says why).
std::optional<std::vector<AuditFile>> auditFilesOf(const GenerateOptions& options, const GeneratedList& list,
                                                   const Messages& messages) {
    const GenerationRecord& record = *list.generation;
    std::vector<AuditFile> files;
    if (options.redcap) {
        auto table = redcapTable(record);
        if (const auto* refused = std::get_if<CatalogueMessage>(&table)) {
            messages.show(refused->key, refused->suffix);
            return std::nullopt;
        }
        files.push_back({*options.redcap, std::move(std::get<std::string>(table))});
    }
    if (options.csv)
        files.push_back({*options.csv, listCsv(record)});
    if (options.report) {
        SystemClock clock;
        // A generation follows a passed self-test only.
        const ReportFacts facts =
            reportFacts(cliProgramIdentity(), true, clock.calendarSeconds(), list.designFile, list.listText);
        files.push_back({*options.report, generationReport(record, facts, list.formLang)});
    }
    return files;
}

// The outcome of a run that ended before the list view was filled.
GeneratedList withoutList(int exitCode) {
    GeneratedList list;
    list.exitCode = exitCode;
    return list;
}

} // namespace

bool takeListArgument(std::span<const std::string> args, std::size_t& i, GenerateOptions& options,
                      bool& haveDesign) {
    const std::string& arg = args[i];
    if (arg == "--answer" && i + 1 < args.size() && (args[i + 1] == "yes" || args[i + 1] == "no")) {
        options.answerYes = args[++i] == "yes";
    } else if (arg == "--no-block-marks") {
        options.markBlocks = false;
    } else if (arg == "--no-seed") {
        options.printSeed = false;
    } else if (!haveDesign && !arg.empty() && arg.front() != '-') {
        options.design = arg;
        haveDesign = true;
    } else {
        return false;
    }
    return true;
}

std::optional<GenerateOptions> parseGenerateOptions(std::span<const std::string> args, std::ostream& err) {
    GenerateOptions options;
    bool haveDesign = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takeListArgument(args, i, options, haveDesign))
            continue;
        if (i + 1 < args.size()) {
            std::optional<std::filesystem::path>* target = nullptr;
            if (args[i] == "-o")
                target = &options.output;
            else if (args[i] == "--report")
                target = &options.report;
            else if (args[i] == "--csv")
                target = &options.csv;
            else if (args[i] == "--redcap")
                target = &options.redcap;
            if (target) {
                *target = args[++i];
                continue;
            }
        }
        err << "kelvaron-cli generate: unexpected argument '" << args[i] << "' (see --help)\n";
        return std::nullopt;
    }
    if (!haveDesign) {
        err << "kelvaron-cli generate: no design file given (see --help)\n";
        return std::nullopt;
    }
    return options;
}

GeneratedList generateList(const GenerateOptions& options, const std::filesystem::path& languageDir,
                           CliPrompter& prompter, std::ostream& err) {
    SystemClock clock;
    TRandomGenerator generator;
    // The window's texts, translated by the language file the window would take;
    // without one the built-in German texts apply (the tool shows no start-up message for that).
    ApplicationForms forms;
    (void)ApplyLanguageFile(forms.inCreationOrder(), languageDir, kLanguageFileName);

    if (!selftestPasses(generator)) {
        prompter.note(forms.formLang.captionOf("MessageSelftest"));
        return withoutList(kExitStopped);
    }
    if (!readable(options.design)) {
        prompter.note(forms.formLang.captionOf("MessageErrorFileOpen") + " " + pathText(options.design));
        return withoutList(kExitUsage);
    }

    MainWindowModel model(prompter, clock, generator, forms.formKelvaron, forms.formLang);
    model.applyTranslation();
    model.showFirstPage();
    model.options = {options.markBlocks, options.printSeed};
    model.loadDesign(options.design);

    const bool seedWasEmpty = model.design.seed.empty();
    const int messagesBefore = prompter.shownCount();
    const bool designPageLeft = model.TabSheetDesignExit();
    if (seedWasEmpty)
        err << "Proposed seed: " << model.design.seed << '\n';
    if (!designPageLeft)
        return withoutList(kExitStopped);

    const GenerationOutcome outcome = model.BitBtnStartClick();
    const bool shownMessages = prompter.shownCount() > 0 || messagesBefore > 0;
    int exitCode = shownMessages ? kExitWithMessages : kExitGenerated;
    if (outcome == GenerationOutcome::Stopped)
        exitCode = kExitStopped;
    return {exitCode,
            model.listText,
            model.centerLinePrefix(),
            model.blockSeparatorLine(),
            forms.formKelvaron.caption,
            model.generation(),
            model.generationDesignFile(),
            forms.formLang};
}

int runGenerate(const GenerateOptions& options, const std::filesystem::path& languageDir, std::ostream& out,
                std::ostream& err) {
    CliPrompter prompter(err, options.answerYes);
    const GeneratedList list = generateList(options, languageDir, prompter, err);
    // Every file is made before any is written, so a refused table leaves all of them as they were.
    std::vector<AuditFile> auditFiles;
    if (list.generation) {
        auto made = auditFilesOf(options, list, Messages(list.formLang, prompter));
        if (!made)
            return kExitUsage;
        auditFiles = std::move(*made);
    }
    if (!options.output) {
        out << utf8FromCp1252(list.listText);
    } else {
        if (list.exitCode == kExitStopped || list.exitCode == kExitUsage)
            return list.exitCode;
        if (!exportList(*options.output, list.listText, prompter))
            return kExitUsage;
    }
    for (const auto& file : auditFiles) {
        if (writeFileAtomically(file.path, file.bytes) != WriteFileStatus::Written) {
            prompter.error(cannotWriteMessage(file.path));
            return kExitUsage;
        }
    }
    return list.exitCode;
}

} // namespace kelvaron::cli
