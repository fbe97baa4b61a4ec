// Permuted-block randomization of one list: PlanBlocks decides the block sizes, AllocateArms gives every
// position of every block its arm. Both draw from the list's stream, in that order; the order of draws is
// part of every list.
#pragma once

#include "core/engine/ListStream.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kelvaron {

struct BlockParameters {
    bool fixedBlocks = true;
    std::int32_t fixedBlockSize = 0;
    std::int32_t minBlockSize = 0;
    std::int32_t maxBlockSize = 0;
    std::int32_t armCount = 0;
};

enum class Allocation { Complete, Incomplete };

// The work tables of one generation; they are reused from center to center.
class BlockRandomization {
public:
    // The generation guards guarantee the preconditions below before anything is planned.
    static constexpr std::int32_t kMaxArms = 65536;
    static constexpr int kMaxConsecutiveRejections = 1000;

    // Fills blockSizes() with the plan for n patients and a terminating 0; n <= 0 plans no block. Returns
    // false when the variable mode draws 1001 candidates in a row that cannot be placed.
    // REQUIRES fixed mode: fixedBlockSize >= 1. Variable mode: 1 <= armCount <= minBlockSize < maxBlockSize,
    // and n + maxBlockSize within the signed 32-bit range.
    [[nodiscard]] bool PlanBlocks(const BlockParameters& parameters, std::int32_t n, ListStream& stream);

    // Fills patientArms() for n patients block by block (none for n <= 0). Incomplete when a drawn position
    // lies at or beyond n; the positions not reached stay 0.
    // REQUIRES: 1 <= armCount <= kMaxArms entries in armRatios, all >= 0 with a sum from 1 to 2^31 - 1,
    // and every ratio times every planned block size within the signed 32-bit range.
    [[nodiscard]] Allocation AllocateArms(std::int32_t n, std::span<const std::int32_t> armRatios,
                                          ListStream& stream);

    [[nodiscard]] const std::vector<std::int32_t>& blockSizes() const { return blockSizes_; }
    [[nodiscard]] const std::vector<std::int32_t>& patientArms() const { return patientArms_; }

private:
    void planFixed(std::int32_t blockSize, std::int32_t n);
    [[nodiscard]] bool planVariable(const BlockParameters& parameters, std::int32_t n, ListStream& stream);

    std::vector<std::int32_t> blockSizes_;
    std::vector<std::int32_t> patientArms_;
    std::vector<std::int32_t> armQuota_;
};

} // namespace kelvaron
