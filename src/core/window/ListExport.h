// Exporting the list view's text (exportText) to a file, written all or nothing.
#pragma once

#include "core/engine/ExportText.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaron {

class Prompter;

// The export command after its dialog: writes exportText(listViewText) to `path`, replacing the file
// completely or not at all. On failure shows the platform's message that the file cannot be written and
// returns false.
bool exportList(const std::filesystem::path& path, std::string_view listViewText, Prompter& prompter);

} // namespace kelvaron
