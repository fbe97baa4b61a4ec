// The self-test: ten passes of the shared generator from fixed seeds, each sum compared exactly with the
// stored value. It proves that the generator, its shared table and the single-precision rounding of
// every value are the ones that reproduce stored lists.
#pragma once

#include "core/engine/TRandomGenerator.h"

#include <array>
#include <cstdint>
#include <span>

namespace kelvaron {

struct SelftestVector {
    std::int32_t seed;
    double expectedSum; // the exact sum of 101 single-precision values
};

inline constexpr std::array<SelftestVector, 10> kSelftestVectors = {{
    {1000, 0x1.a7fe047280000p+5},
    {2000, 0x1.aa7e8e2e80000p+5},
    {3000, 0x1.8f6da2ec80000p+5},
    {4000, 0x1.c035349340000p+5},
    {5000, 0x1.9591e6cfc0000p+5},
    {6000, 0x1.8d5bdbe1e0000p+5},
    {7000, 0x1.9de07f51c0000p+5},
    {8000, 0x1.80b924a800000p+5},
    {9000, 0x1.a4549b7980000p+5},
    {9999, 0x1.94e1ed6240000p+5},
}};

// The sum of one pass: one draw with the negated seed, then 100 with the positive seed.
[[nodiscard]] double selftestPassSum(TRandomGenerator& generator, std::int32_t seed);

// The self-test's verdict without a dialog: true when every pass's sum equals its stored value.
[[nodiscard]] bool selftestPasses(TRandomGenerator& generator,
                                  std::span<const SelftestVector> vectors = kSelftestVectors);

} // namespace kelvaron
