// The study design as the user typed it, and the working values converted from it.
// All texts are Windows-1252. Number fields are kept as text; their values live in WorkingValues.
#pragma once

#include "core/design/KeptList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaron {

struct TStudyArm {
    std::string label;
    std::string description;
    std::string ratio;
    bool operator==(const TStudyArm&) const = default;
};

struct TStudyCenter {
    std::string label;
    std::string number;
    std::string description;
    std::string plannedSize;
    bool operator==(const TStudyCenter&) const = default;
};

enum class BlockMode { Fixed, Variable };

// The state of a freshly started program: the two lists hold two entries with empty texts each.
struct TStudyDesign {
    std::string studyName;
    std::string patientCount = "120";
    std::string armCount = "3";
    KeptList<TStudyArm> arms{2};
    bool perCenterLists = false;
    std::string centerCount;
    KeptList<TStudyCenter> centers{2};
    BlockMode blockMode = BlockMode::Fixed;
    std::string fixedBlockSize = "12";
    std::string minBlockSize;
    std::string maxBlockSize;
    std::string seed;
    bool operator==(const TStudyDesign&) const = default;
};

// The values that the checks and the engine work with; all 0 at program start.
struct WorkingValues {
    std::int32_t patientCount = 0;
    std::int32_t armCount = 0;
    std::int32_t centerCount = 0;
    bool fixedBlocks = false;
    std::int32_t fixedBlockSize = 0;
    std::int32_t minBlockSize = 0;
    std::int32_t maxBlockSize = 0;
    std::vector<std::int32_t> armRatios;
    std::int32_t ratioSum = 0;
    // The seed the list is generated from and printed with: the design's seed without its sign.
    std::int32_t listSeed = 0;
    bool operator==(const WorkingValues&) const = default;
};

} // namespace kelvaron
