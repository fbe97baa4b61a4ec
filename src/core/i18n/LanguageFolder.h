// Where the language file is read from: a user's own KelvaronLang.ini in their configuration folder
// comes before the one installed beside the program, so that a user picks a language without writing to
// the program's folder.
#pragma once

#include <filesystem>

namespace kelvaron {

// Kelvaron's folder in the user's configuration: "$XDG_CONFIG_HOME/kelvaron", or "$HOME/.config/kelvaron"
// when XDG_CONFIG_HOME is unset, empty or relative. Empty when neither variable names an absolute folder.
// The arguments are the variables' values, nullptr when unset.
[[nodiscard]] std::filesystem::path userConfigFolder(const char* xdgConfigHome, const char* home);

// userConfigFolder() of this process's environment.
[[nodiscard]] std::filesystem::path userConfigFolderOfThisProcess();

// The folder whose KelvaronLang.ini applies: userFolder when a file of that name is there (readable or
// not, so that a broken choice is reported rather than silently ignored), otherwise programDir.
[[nodiscard]] std::filesystem::path languageFolder(const std::filesystem::path& programDir,
                                                   const std::filesystem::path& userFolder);

} // namespace kelvaron
