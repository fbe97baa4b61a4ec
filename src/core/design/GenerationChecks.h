// The checks at the start of every generation: the design is read once more into the working values
// and tested for consistency; some findings stop the generation, some ask whether to cancel.
#pragma once

#include "core/design/Page.h"
#include "core/design/StudyDesign.h"

#include <cstdint>

namespace kelvaron {

class Messages;

struct GenerationCheckContext {
    const TStudyDesign& design; // the texts of the window's controls
    WorkingValues& working;
    const Messages& messages;
    Page& activePage; // a check that points the user to a page makes it the active page
};

// true = proceed. Sets the generator's working state word to the negated seed.
[[nodiscard]] bool CheckGeneration(GenerationCheckContext& context);

// The sample-size rules for one list of n patients (the study's, or one center's).
[[nodiscard]] bool CheckSampleSize(GenerationCheckContext& context, std::int32_t n);

// After CheckGeneration: refuses what the block planning cannot hold or compute (lists longer than the
// program's bound, candidate blocks of size 0 or less, products or sums beyond 32 bits).
[[nodiscard]] bool CheckGenerationLimits(GenerationCheckContext& context);

// The ratio text of arm r and the planned-size text of center c as their grids show them: the empty
// text for a row the grid does not have.
[[nodiscard]] const std::string& ratioText(const TStudyDesign& design, std::int32_t arm);
[[nodiscard]] const std::string& plannedSizeText(const TStudyDesign& design, std::int32_t center);

} // namespace kelvaron
