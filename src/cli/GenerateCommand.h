// `kelvaron-cli generate`: a design file through the main window's rules to the list text.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace kelvaron::cli {

struct GenerateOptions {
    std::filesystem::path design;
    bool answerYes = true;
    bool markBlocks = true;
    bool printSeed = true;
    std::optional<std::filesystem::path> output;
};

// Parses the arguments after "generate"; nullopt (with a message on err) for a usage error.
[[nodiscard]] std::optional<GenerateOptions> parseGenerateOptions(std::span<const std::string> args,
                                                                  std::ostream& err);

[[nodiscard]] int runGenerate(const GenerateOptions& options, const std::filesystem::path& programDir,
                              std::ostream& out, std::ostream& err);

} // namespace kelvaron::cli
