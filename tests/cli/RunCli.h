// Runs kelvaron-cli in-process, as the tests of the tool do, and keeps what it printed.
#pragma once

#include "cli/Cli.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace kelvaron::cli {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// `languageDir` is where the tool looks for its language file; empty means none.
inline CliRun runTool(const std::vector<std::string>& args, const std::filesystem::path& languageDir = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(args, out, err, languageDir);
    return {code, out.str(), err.str()};
}

} // namespace kelvaron::cli
