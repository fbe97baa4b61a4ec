// The file dialogs of the main window, behind an interface so that tests choose files without a dialog.
// Titles are Windows-1252, as every text of the core.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kelvaron {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Each returns the chosen path, or nullopt when the user cancels.
    // A name that does not exist is accepted, as loading it resets the design.
    [[nodiscard]] virtual std::optional<std::filesystem::path> openDesign(std::string_view title) = 0;
    // Asks before an existing file is replaced.
    [[nodiscard]] virtual std::optional<std::filesystem::path> saveDesign(std::string_view title) = 0;
    // Asks before an existing file is replaced; offers the name chosen last time.
    [[nodiscard]] virtual std::optional<std::filesystem::path> exportList() = 0;
};

} // namespace kelvaron
