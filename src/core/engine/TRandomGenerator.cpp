#include "core/engine/TRandomGenerator.h"

#include "core/engine/Int32.h"

#include <bit>

namespace kelvaron {
namespace {

constexpr std::int32_t kMultiplier = 16807;
constexpr std::int32_t kModulus = 2147483647;
constexpr std::int32_t kQuotient = 127773;       // kModulus div kMultiplier
constexpr std::int32_t kRemainder = 2836;        // kModulus mod kMultiplier
constexpr std::int32_t kTableDivisor = 67108864; // 1 + (kModulus - 1) div 32
constexpr double kScale = 1.0 / 2147483647.0;
constexpr double kUpperBound = 1.0 - 1.2e-7;
constexpr float kClampValue = 0.99999988079071044921875f; // 1 - 2^-23

// Schrage's factorisation of x * 16807 mod (2^31 - 1). For 0 <= x < 2^31 nothing overflows.
std::int32_t step(std::int32_t x) {
    const std::int32_t k = x / kQuotient;
    std::int32_t next = kMultiplier * (x - k * kQuotient) - kRemainder * k;
    if (next < 0)
        next += kModulus;
    return next;
}

} // namespace

void TRandomGenerator::initialise(std::int32_t& stateWord) {
    // The negation wraps, so -2147483648 stays negative and starts like 0 and positive words: from 1.
    const std::int32_t m = int32::negate(stateWord);
    stateWord = m >= 1 ? m : 1;
    for (int j = kTableSize + 7; j >= 0; --j) {
        stateWord = step(stateWord);
        if (j < kTableSize)
            shuffleTable_[static_cast<std::size_t>(j)] = stateWord;
    }
    lastOutput_ = shuffleTable_[0];
}

float TRandomGenerator::Draw(std::int32_t& stateWord) {
    if (stateWord <= 0 || lastOutput_ == 0)
        initialise(stateWord);
    stateWord = step(stateWord);
    // lastOutput_ is 0 only after a table filled from 2147483647; it then picks entry 0.
    const auto j = static_cast<std::size_t>(lastOutput_ / kTableDivisor);
    lastOutput_ = shuffleTable_[j];
    shuffleTable_[j] = stateWord;
    const double p = static_cast<double>(lastOutput_) * kScale;
    if (p > kUpperBound)
        return kClampValue;
    return static_cast<float>(p);
}

std::int64_t truncatedProduct(float value, std::int64_t n) {
    // value = mantissa * 2^(exponent - 150) with a 24-bit integer mantissa (every drawn value but 0 is a
    // normal single); the 55-bit product mantissa * n is exact in 64 bits, where a double would round it
    // for n of 2^29 and more.
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const auto exponent = static_cast<int>(bits >> 23);
    if (exponent == 0)
        return 0;
    const std::int64_t mantissa = (bits & 0x7FFFFFu) | 0x800000u;
    return (mantissa * n) >> (150 - exponent);
}

std::int32_t TRandomGenerator::DrawIndex(std::int32_t& stateWord, std::int32_t n) {
    return static_cast<std::int32_t>(truncatedProduct(Draw(stateWord), n));
}

} // namespace kelvaron
