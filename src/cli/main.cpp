#include "cli/Cli.h"
#include "core/i18n/LanguageFolder.h"

#include <filesystem>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto programDir = error ? std::filesystem::path() : program.parent_path();
    return kelvaron::cli::runCli(
        args, std::cout, std::cerr,
        kelvaron::languageFolder(programDir, kelvaron::userConfigFolderOfThisProcess()));
}
