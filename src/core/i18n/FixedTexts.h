// Texts the program shows that no language file replaces (Windows-1252).
#pragma once

#include <string_view>

namespace kelvaron::fixed {

inline constexpr std::string_view kMissingLanguageFile =
    "Missing language file. Please reinstall the software.";
inline constexpr std::string_view kInternalError61 = "Internal Error #61";
inline constexpr std::string_view kSelftestErrorPrefix = "Internal self test error - pass# ";
inline constexpr std::string_view kBoxTitle = "Kelvaron";

// The file dialogs' own texts: the export dialog's title and the name filters.
inline constexpr std::string_view kExportDialogTitle = "Liste exportieren";
inline constexpr std::string_view kDesignFileFilter = "Kelvaron Design (*.kvd)";
inline constexpr std::string_view kAllFilesFilter = "Alle Dateien (*.*)";
inline constexpr std::string_view kTextFileFilter = "*.txt";
inline constexpr std::string_view kCsvFileFilter = "CSV (*.csv)";
inline constexpr std::string_view kRedcapFileFilter = "REDCap (*.csv)";

// The questions and notices of the generation checks for equal ratios ("\xDF" is "ß", "\xF6" is "ö").
inline constexpr std::string_view kArmCountSampleSize =
    "Die verwendete Anzahl der Studienarme pa\xDFt nicht zur angegebenen Fallzahl. Abbrechen?";
inline constexpr std::string_view kArmCountBlockSize =
    "Die verwendete Anzahl der Studienarme pa\xDFt nicht zur angegebenen Blockgr\xF6\xDF"
    "e. Abbrechen?";
inline constexpr std::string_view kBlockSizePatientCount = "Die verwendete Blockgr\xF6\xDF"
                                                           "e pa\xDFt nicht zur angegebenen Patientenzahl. ";
inline constexpr std::string_view kMinBlockSizeArmCount =
    "Die minimale Blockgr\xF6\xDF"
    "e pa\xDFt nicht zur Anzahl der Studienarme. Abbrechen?";
inline constexpr std::string_view kMinBelowMaxBlockSize = "Die minimale Blockgr\xF6\xDF"
                                                          "e mu\xDF kleiner als die maximale Blockgr\xF6\xDF"
                                                          "e sein.";

// Fragments of the list text and the seed range label.
inline constexpr std::string_view kSeedLinePrefix = "Seed: (";
inline constexpr std::string_view kCenterSeedPrefix = " - Seed: (";
inline constexpr std::string_view kSeedSuffix = ")";
inline constexpr std::string_view kSeedRange = "1 ... 2147483647";
inline constexpr std::string_view kBlockSeparatorBefore = "------- ";
inline constexpr std::string_view kBlockSeparatorAfter = " ------";

} // namespace kelvaron::fixed
