// Counts that describe one list for the generation report: patients per arm, the block sizes used, and
// how far the list strays from the arms' ratio at its worst point.
#pragma once

#include "core/audit/GenerationRecord.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace kelvaron {

// The largest |count_i(k) - k * ratio_i / ratioSum| over all positions k and arms i, where count_i(k) is
// how many of the first k patients arm i has. Kept as the exact fraction numerator / ratioSum, so the
// rounding to two decimals is the same on every machine.
struct RatioDeviation {
    std::uint64_t numerator = 0; // |count_i(k) * ratioSum - k * ratio_i|
    std::int64_t ratioSum = 1;
    std::int64_t position = 0; // k, counted from 1; 0 for a list without patients
    std::int32_t arm = 0;      // i, counted from 1; 0 for a list without patients
    bool operator==(const RatioDeviation&) const = default;
};

struct ListStatistics {
    std::vector<std::int64_t> patientsPerArm; // entry a - 1 for arm a
    std::int64_t unassigned = 0;              // positions with arm 0 (or a number outside the arms)
    // Planned block size -> number of blocks of that size that hold at least one patient.
    std::map<std::int32_t, std::int64_t> blocksBySize;
    RatioDeviation deviation;
    bool operator==(const ListStatistics&) const = default;
};

// REQUIRES: every ratio >= 0 with a sum >= 1, and the list at most limits::kMaxPatientLines long (so the
// products stay within 64 bits). The first position, then the lowest arm, wins a tie for the largest
// deviation.
[[nodiscard]] ListStatistics listStatistics(const ListRecord& list, std::span<const std::int32_t> armRatios);

// The deviation rounded half away from zero to hundredths, e.g. 2/3 -> "0.67", 1/8 -> "0.13".
[[nodiscard]] std::string twoDecimals(const RatioDeviation& deviation);

} // namespace kelvaron
