// The minimal standard generator of Park and Miller with a Bays-Durham shuffle table of 32 entries.
// One instance serves the whole program; every caller owns its state word, and all state words share
// the one table. Every list depends on these draws bit for bit, including the single-precision result.
#pragma once

#include <array>
#include <cstdint>

namespace kelvaron {

class TRandomGenerator {
public:
    static constexpr int kTableSize = 32;

    // Advances `stateWord` and the shared table; returns a single-precision value in [2^-31, 1 - 2^-23]
    // (0 only right after a table filled from seed 2147483647). A state word <= 0, or a table never
    // initialised, first re-initialises the table from the negated state word.
    float Draw(std::int32_t& stateWord);

    // One Draw times n, the product formed exactly and truncated toward zero: 0 ... n - 1.
    // REQUIRES: n >= 1.
    std::int32_t DrawIndex(std::int32_t& stateWord, std::int32_t n);

    [[nodiscard]] const std::array<std::int32_t, kTableSize>& shuffleTable() const { return shuffleTable_; }
    [[nodiscard]] std::int32_t lastOutput() const { return lastOutput_; }

private:
    void initialise(std::int32_t& stateWord);

    std::array<std::int32_t, kTableSize> shuffleTable_{};
    std::int32_t lastOutput_ = 0;
};

// The exact product of a drawn value and n, truncated toward zero. REQUIRES: 0 <= value < 1, n >= 0.
[[nodiscard]] std::int64_t truncatedProduct(float value, std::int64_t n);

} // namespace kelvaron
