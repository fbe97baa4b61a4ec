// What one generation produced and how, as plain values: the input of the generation report, the CSV and
// REDCap tables and the verification of a list file. A generation fills these from its own result; none of
// them is read back from the list text.
#pragma once

#include "core/design/StudyDesign.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvaron {

// One list: the study's, or one center's.
struct ListRecord {
    bool perCenter = false;
    std::string centerNumber;      // Windows-1252, as entered; empty for the study's list
    std::string centerDescription; // Windows-1252, as entered; empty for the study's list
    std::int32_t seed = 0;         // as the list text prints it
    // The block plan, without the plan's terminating 0. A center whose plan failed has none.
    std::vector<std::int32_t> blockSizes;
    // The arm of every patient position, 1-based; 0 marks a position the allocation left unassigned.
    std::vector<std::int32_t> patientArms;
    bool operator==(const ListRecord&) const = default;
};

// A question the checks asked before the generation, with the answer given.
struct AnsweredQuestion {
    std::string text; // Windows-1252, as shown
    bool yes = false;
    bool operator==(const AnsweredQuestion&) const = default;
};

struct GenerationRecord {
    TStudyDesign design; // the texts as entered; arm r's description names arm r in the tables
    // The ratios the allocation used (the working values' armRatios): one per arm, arm 1 first.
    std::vector<std::int32_t> armRatios;
    bool markBlocks = true; // "Blöcke markieren"
    bool printSeed = true;  // "Seed ausgeben"
    std::vector<AnsweredQuestion> questions;
    std::int32_t studySeed = 0; // the validated study seed
    std::vector<ListRecord> lists;
    bool operator==(const GenerationRecord&) const = default;
};

// The file a design was loaded from.
struct DesignFileRecord {
    std::string pathUtf8;
    std::string sha256Hex;
    bool operator==(const DesignFileRecord&) const = default;
};

// The circumstances of a generation that the report states beside the record. All texts UTF-8.
struct ReportFacts {
    std::string programName;
    std::string programVersion;
    std::string programSha256Hex;
    bool selftestPassed = false;
    std::string timestamp; // ISO 8601 with the UTC offset, e.g. 2025-03-14T09:26:53+01:00
    std::string user;      // the operating-system user
    std::optional<DesignFileRecord> designFile;
    // The SHA-256 of the list as exported (the list text with CR LF line ends, Windows-1252).
    std::string exportedListSha256Hex;
    bool operator==(const ReportFacts&) const = default;
};

} // namespace kelvaron
