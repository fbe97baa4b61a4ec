// What the program takes from the system it runs on. The program uses SystemEnvironment's parts; tests put
// fakes in every place.
#pragma once

#include "core/engine/Selftest.h"

#include <filesystem>
#include <optional>
#include <span>

namespace kelvaron {
class Clock;
class FileChooser;
class IntegrityCheck;
class Prompter;
class VersionQuery;
} // namespace kelvaron

namespace kelvaron::gui {

// Everything referred to must outlive the program.
struct ProgramEnvironment {
    std::filesystem::path programDir; // the folder of the program file, which holds its language file
    Prompter& prompter;
    Clock& clock;
    FileChooser& files;
    VersionQuery& versionQuery;
    IntegrityCheck& integrityCheck;
    std::span<const SelftestVector> selftestVectors = kSelftestVectors;
    // The user's configuration folder, whose own language file comes first; empty for none.
    std::filesystem::path userConfigDir;
    // The design file named on the command line, opened once the start-up checks have passed.
    std::optional<std::filesystem::path> designFile;
};

} // namespace kelvaron::gui
