// The four forms' texts as the command-line tool uses them: the built-in German texts, translated by
// the language file beside the program when there is one, exactly as the program's window would be.
#pragma once

#include "i18n/FormTable.h"

#include <filesystem>

namespace kelvaron {
class MainWindowModel;
}

namespace kelvaron::cli {

struct Forms {
    explicit Forms(const std::filesystem::path& programDir);

    FormTable formKelvaron;
    FormTable formDruck;
    FormTable formLang;
    FormTable formSelftest;

    // The block separator and the center line prefix, from the translated captions.
    void applyDerivedTexts(MainWindowModel& model) const;
};

} // namespace kelvaron::cli
