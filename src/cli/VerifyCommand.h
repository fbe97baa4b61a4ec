// `kelvaron-cli verify`: regenerates the list of a design and compares a list file with it.
#pragma once

#include "cli/GenerateCommand.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace kelvaron::cli {

struct VerifyOptions {
    GenerateOptions list; // the design and the list options, as for generate
    std::filesystem::path listFile;
};

// Parses the arguments after "verify"; nullopt (with a message on err) for a usage error.
[[nodiscard]] std::optional<VerifyOptions> parseVerifyOptions(std::span<const std::string> args,
                                                              std::ostream& err);

// kExitIdentical, kExitDifferent (the first differing line on err), or kExitUsage when the design or the
// file cannot be read or the regeneration stops.
[[nodiscard]] int runVerify(const VerifyOptions& options, const std::filesystem::path& languageDir,
                            std::ostream& out, std::ostream& err);

} // namespace kelvaron::cli
