// `kelvaron-cli print`: the list of a design, generated as `generate` does it, laid out as the window's
// print command lays it out, written to a PDF file. Built only when the program is built with Qt.
#pragma once

#include "cli/GenerateCommand.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace kelvaron::cli {

struct PrintOptions {
    GenerateOptions generate; // the design and the list options; its output is not used
    std::filesystem::path pdf;
    bool landscape = false;
};

// Parses the arguments after "print"; nullopt (with a message on err) for a usage error.
[[nodiscard]] std::optional<PrintOptions> parsePrintOptions(std::span<const std::string> args,
                                                            std::ostream& err);

// Exit codes as runGenerate's. A generation that stops, and a PDF that cannot be written, leave no
// file behind; an existing file stays as it was.
[[nodiscard]] int runPrint(const PrintOptions& options, const std::filesystem::path& languageDir,
                           std::ostream& err);

} // namespace kelvaron::cli
