// The file dialogs of the main window, behind an interface so that tests choose files without a dialog.
// Titles are Windows-1252, as every text of the core.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kelvaron {

// The file types of the export dialog: the list view's text, or one of the tables of the generated list.
enum class ExportType { Text, Csv, Redcap };

struct ExportChoice {
    std::filesystem::path path;
    ExportType type = ExportType::Text;
    bool operator==(const ExportChoice&) const = default;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Each returns the chosen path, or nullopt when the user cancels.
    // A name that does not exist is accepted, as loading it resets the design.
    [[nodiscard]] virtual std::optional<std::filesystem::path> openDesign(std::string_view title) = 0;
    // Asks before an existing file is replaced.
    [[nodiscard]] virtual std::optional<std::filesystem::path> saveDesign(std::string_view title) = 0;
    // Asks before an existing file is replaced; offers the name chosen last time. Gives the file type chosen.
    [[nodiscard]] virtual std::optional<ExportChoice> exportList() = 0;
    // The generation report, a *.txt file. Asks before an existing file is replaced.
    [[nodiscard]] virtual std::optional<std::filesystem::path> saveReport(std::string_view title) = 0;
};

} // namespace kelvaron
