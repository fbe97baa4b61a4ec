// The "Generieren" command: from the design to the list text, one list for the study or one per center.
#pragma once

#include "core/audit/GenerationRecord.h"
#include "core/design/Page.h"
#include "core/design/StudyDesign.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvaron {

class Messages;
class TRandomGenerator;

struct ListOptions {
    bool markBlocks = true; // "Blöcke markieren"
    bool printSeed = true;  // "Seed ausgeben"
    bool operator==(const ListOptions&) const = default;
};

// Everything the generation reads; it changes none of it.
struct GenerationInput {
    const TStudyDesign& design;
    // The working values as the design page stored them; the checks read the rest from the design.
    const WorkingValues& working;
    const Messages& messages;
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

// What one generation leaves for the window to apply, and what the report and the tables read, so that no
// reader has to parse the text.
struct GenerationResult {
    // Windows-1252 lines, each ended by a line feed: what the list view shows afterwards. The title alone
    // after a stop in the checks, title and seed after a failed single-list plan, empty after
    // "Internal Error #61" or an unreadable center size.
    std::string text;
    GenerationOutcome outcome = GenerationOutcome::Stopped;
    // The page a check sent the user to; nullopt keeps the active page.
    std::optional<Page> pageToActivate;
    // The working values the checks read from the design.
    WorkingValues working;
    // Every question the checks asked, with the answer given, in the order asked.
    std::vector<AnsweredQuestion> questions;
    // Every list whose heading was written, in list order: the study's, or one per center. A center whose
    // plan failed has neither blocks nor patients.
    std::vector<ListRecord> lists;
};

// The record of a generation that wrote its lists (outcome Generated), for the report and the tables.
// Moves the questions and the lists out of `result`, since a long list's arms are large; the rest of
// `result` stays as it was.
[[nodiscard]] GenerationRecord takeGenerationRecord(const TStudyDesign& design, const ListOptions& options,
                                                    GenerationResult& result);

// Runs the checks and writes the list text. Messages are shown as the checks and the lists go; every
// list draws from `generator`, whose shared table the generation leaves in its new state. Never throws
// for any design: a list of no or a negative number of patients has its heading and no patient line.
[[nodiscard]] GenerationResult generateList(const GenerationInput& input, TRandomGenerator& generator);

} // namespace kelvaron
