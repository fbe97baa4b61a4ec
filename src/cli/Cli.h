// The command-line tool as a function, so that tests run its commands in-process.
#pragma once

#include "core/audit/ReportCircumstances.h"

#include <filesystem>
#include <ostream>
#include <span>
#include <string>

namespace kelvaron::cli {

// Exit codes of `generate`.
inline constexpr int kExitGenerated = 0;    // the list was generated and no message was shown
inline constexpr int kExitStopped = 1;      // the generation stopped before any patient line
inline constexpr int kExitUsage = 2;        // usage error, or the design file cannot be read
inline constexpr int kExitWithMessages = 3; // a list was generated, but messages were shown

// Exit codes of `verify`.
inline constexpr int kExitIdentical = 0; // the file holds the regenerated list
inline constexpr int kExitDifferent = 1; // the file differs; the first differing line is named

// This program: its name, the project's version and the digest of the running program file.
[[nodiscard]] ProgramIdentity cliProgramIdentity();

// args excludes the program name. Everything the tool prints goes to out and err. The language file is
// looked for in languageDir (the folder languageFolder() chooses); an empty path means none.
[[nodiscard]] int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                         const std::filesystem::path& languageDir = {});

} // namespace kelvaron::cli
