// `kelvaron-cli generate`: a design file through the main window's rules to the list text.
#pragma once

#include "cli/Cli.h"
#include "core/audit/GenerationRecord.h"
#include "core/i18n/FormTable.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace kelvaron::cli {

class CliPrompter;

struct GenerateOptions {
    std::filesystem::path design;
    bool answerYes = true;
    bool markBlocks = true;
    bool printSeed = true;
    std::optional<std::filesystem::path> output;
    // The generation report and the two tables of the same generation.
    std::optional<std::filesystem::path> report;
    std::optional<std::filesystem::path> csv;
    std::optional<std::filesystem::path> redcap;
};

// Takes args[i] when it is an argument that generate and print share: the design file, --answer,
// --no-block-marks, --no-seed; advances i past a value it consumes. False for any other argument.
[[nodiscard]] bool takeListArgument(std::span<const std::string> args, std::size_t& i,
                                    GenerateOptions& options, bool& haveDesign);

// Parses the arguments after "generate"; nullopt (with a message on err) for a usage error.
[[nodiscard]] std::optional<GenerateOptions> parseGenerateOptions(std::span<const std::string> args,
                                                                  std::ostream& err);

// The list as "Generieren" leaves it in the list view, with the window's texts that a print of it reads.
// All texts are Windows-1252.
struct GeneratedList {
    // kExitGenerated or kExitWithMessages when a list was generated; kExitStopped when the generation
    // stopped (listText holds what the list view shows then); kExitUsage when the design cannot be read.
    int exitCode = kExitGenerated;
    std::string listText;
    std::string centerLinePrefix;
    std::string blockSeparatorLine;
    std::string caption; // the main window's caption
    // The record of the lists when they were generated (kExitGenerated or kExitWithMessages).
    std::optional<GenerationRecord> generation;
    // The design file, when the generated design is the file's.
    std::optional<std::filesystem::path> designFile;
    // The translated message catalogue, for the report's labels.
    FormTable formLang;
};

// Runs the self-test, loads the design, leaves the design page and generates, as the window does.
// Messages go to `prompter`; a proposed seed is reported on err.
[[nodiscard]] GeneratedList generateList(const GenerateOptions& options,
                                         const std::filesystem::path& languageDir, CliPrompter& prompter,
                                         std::ostream& err);

[[nodiscard]] int runGenerate(const GenerateOptions& options, const std::filesystem::path& languageDir,
                              std::ostream& out, std::ostream& err);

} // namespace kelvaron::cli
