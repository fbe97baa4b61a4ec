// The design file (.kvd): the texts of a study design stored as an INI profile file with the sections
// Design, Arme, Zentren, Bloecke and Zufall. Nothing is validated on saving or loading; number fields
// travel as the texts the user typed.
#pragma once

#include "core/design/StudyDesign.h"

#include <filesystem>

namespace kelvaron {

enum class [[nodiscard]] DesignReadStatus{
    Read,
    CannotOpen,     // the file exists but cannot be read or is too large; the design is unchanged
    TooManyEntries, // Arme/Anzahl or Zentren/Anzahl is above what a list can hold; the design is unchanged
};

// Loads the design from `path`. A missing file and absent keys give the defaults of a design file (empty
// texts, the arm count "3", the patient count "120", the block size "12", variable block mode and empty
// lists), so loading a name whose file does not exist resets the design. The list lengths are set to the
// stored counts; entries past them stay stored, as on the design page. All values are read before the
// design is touched, so a refused file changes nothing.
DesignReadStatus readDesignFile(const std::filesystem::path& path, TStudyDesign& design);

enum class [[nodiscard]] DesignWriteStatus{
    Written,
    CannotPrepare, // an existing file cannot be read, so its other lines would be lost; nothing is written
    CannotWrite,   // the new content could not be stored; the old file is unchanged
};

// Saves the design to `path`. Each key is updated in the existing file's content, so its other lines and
// the surplus entries of a longer list saved earlier stay; then the whole file is replaced at once.
// Content that the reader would refuse as too large is not written (CannotWrite).
DesignWriteStatus writeDesignFile(const std::filesystem::path& path, const TStudyDesign& design);

} // namespace kelvaron
