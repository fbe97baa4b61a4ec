// The "Generieren" command: from the design to the list text, one list for the study or one per center.
#pragma once

#include "core/design/Page.h"
#include "core/design/StudyDesign.h"

#include <string>

namespace kelvaron {

class Messages;
class TRandomGenerator;

struct ListOptions {
    bool markBlocks = true; // "Blöcke markieren"
    bool printSeed = true;  // "Seed ausgeben"
    bool operator==(const ListOptions&) const = default;
};

struct GenerationInput {
    const TStudyDesign& design;
    WorkingValues& working;
    const Messages& messages;
    Page& activePage;
    TRandomGenerator& generator;
    ListOptions options;
    const std::string& blockSeparatorLine;
    const std::string& centerLinePrefix;
    // Row 0 of the arms grid's description column: shown for a position the allocation left unassigned.
    const std::string& armDescriptionHeading;
};

enum class GenerationOutcome {
    Generated, // the list was written (messages about single centers or the allocation may have been shown)
    Stopped,   // the command ended before any patient line
};

struct GeneratedList {
    std::string text; // Windows-1252 lines, each ended by a line feed
    GenerationOutcome outcome = GenerationOutcome::Stopped;
};

// Runs the checks and writes the list text. The text is what the list view shows afterwards: the title
// alone after a stop in the checks, title and seed after a failed single-list plan, empty after
// "Internal Error #61" or an unreadable center size.
[[nodiscard]] GeneratedList generateList(const GenerationInput& input);

} // namespace kelvaron
