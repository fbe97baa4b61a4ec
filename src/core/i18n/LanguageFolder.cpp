#include "core/i18n/LanguageFolder.h"

#include "core/i18n/Translator.h"

#include <cstdlib>
#include <system_error>

namespace kelvaron {
namespace {

bool isAbsoluteFolder(const char* value) {
    return value != nullptr && std::filesystem::path(value).is_absolute();
}

} // namespace

std::filesystem::path userConfigFolder(const char* xdgConfigHome, const char* home) {
    if (isAbsoluteFolder(xdgConfigHome))
        return std::filesystem::path(xdgConfigHome) / "kelvaron";
    if (isAbsoluteFolder(home))
        return std::filesystem::path(home) / ".config" / "kelvaron";
    return {};
}

std::filesystem::path userConfigFolderOfThisProcess() {
    return userConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::filesystem::path languageFolder(const std::filesystem::path& programDir,
                                     const std::filesystem::path& userFolder) {
    if (userFolder.empty())
        return programDir;
    std::error_code error;
    const auto status =
        std::filesystem::symlink_status(userFolder / std::filesystem::path(kLanguageFileName), error);
    return std::filesystem::exists(status) ? userFolder : programDir;
}

} // namespace kelvaron
