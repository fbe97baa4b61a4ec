// What the main window does at its first display: apply the language file to every form, then build
// the texts that follow from the translated captions.
#pragma once

#include "core/i18n/ApplicationForms.h"

#include <filesystem>
#include <string>

namespace kelvaron {

class Prompter;

struct DerivedTexts {
    std::string blockSeparatorLine;    // "------- " + FormLang's LabelBlock + " ------"
    std::string centerLinePrefix;      // FormKelvaron's LabelCenter
    std::string seedRangeLabel;        // "1 ... 2147483647", also the caption of LabelMinMaxSeed
    std::string saveDesignDialogTitle; // the caption of BitBtnSave
    std::string openDesignDialogTitle; // the caption of BitBtnLoad
    bool operator==(const DerivedTexts&) const = default;
};

// Applies "KelvaronLang.ini" from `languageDir` (see languageFolder()) to the forms in creation order. When
// the file is missing, or is there but cannot be read, shows "Missing language file. Please reinstall the
// software." and keeps the built-in texts. Then sets the caption of LabelMinMaxSeed to the seed range,
// whatever the file said, and returns the derived texts.
[[nodiscard]] DerivedTexts firstDisplay(ApplicationForms& forms, const std::filesystem::path& languageDir,
                                        Prompter& prompter);

} // namespace kelvaron
