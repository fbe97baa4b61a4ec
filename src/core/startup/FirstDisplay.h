// What the program does at the main window's first display, before the window shows its texts: apply the
// language file to every form. The window model then derives its texts (MainWindowModel::applyTranslation).
#pragma once

#include "core/i18n/ApplicationForms.h"

#include <filesystem>

namespace kelvaron {

class Prompter;

// Applies "KelvaronLang.ini" from `languageDir` (see languageFolder()) to the forms in creation order.
// When the file is missing, or is there but cannot be read, shows "Missing language file. Please
// reinstall the software." and keeps the built-in texts. Then sets the caption of LabelMinMaxSeed to the
// seed range, whatever the file said.
void firstDisplay(ApplicationForms& forms, const std::filesystem::path& languageDir, Prompter& prompter);

} // namespace kelvaron
