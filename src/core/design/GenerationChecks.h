// The checks at the start of every generation: the design is read once more into the working values
// and tested for consistency; some findings stop the generation, some ask whether to cancel.
#pragma once

#include "core/design/Page.h"
#include "core/design/StudyDesign.h"

#include <cstdint>
#include <optional>

namespace kelvaron {

class Messages;

struct GenerationCheckContext {
    const TStudyDesign& design; // the texts of the window's controls
    const Messages& messages;
};

// What the checks leave behind: the working values they read from the design (starting from the values
// the design page stored), and the page that a check points the user to, if any; the last one counts.
struct CheckedDesign {
    WorkingValues working;
    std::optional<Page> pageToActivate;
};

// true = proceed. Sets the list seed from the design's seed.
[[nodiscard]] bool CheckGeneration(const GenerationCheckContext& context, CheckedDesign& checked);

// The sample-size rules for one list of n patients (the study's, or one center's).
[[nodiscard]] bool CheckSampleSize(const GenerationCheckContext& context, CheckedDesign& checked,
                                   std::int32_t n);

// After CheckGeneration: refuses what the block planning cannot hold or compute (lists longer than the
// program's bound, candidate blocks of size 0 or less, products or sums beyond 32 bits).
[[nodiscard]] bool CheckGenerationLimits(const GenerationCheckContext& context, CheckedDesign& checked);

// The ratio text of arm r and the planned-size text of center c as their grids show them: the empty
// text for a row the grid does not have.
[[nodiscard]] const std::string& ratioText(const TStudyDesign& design, std::int32_t arm);
[[nodiscard]] const std::string& plannedSizeText(const TStudyDesign& design, std::int32_t center);

} // namespace kelvaron
