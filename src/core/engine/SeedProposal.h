// The seed proposal behind the "erzeugen" button: two readings of the clock mixed through the runtime's
// auxiliary generator, then one draw of the shared generator.
#pragma once

#include "core/engine/TRandomGenerator.h"

#include <cstdint>

namespace kelvaron {

class Clock;

// The runtime's auxiliary generator: a 64-bit linear congruential generator whose 31-bit values are
// bits 32 to 62 of the state.
class AuxiliaryGenerator {
public:
    // Low 32 bits = seed, high 32 bits = 0, then the low 32 bits advance once.
    void seed(std::uint32_t seed);
    [[nodiscard]] std::uint32_t next31();

private:
    std::uint64_t state_ = 0;
};

// A proposed seed, a whole number from 1 to 2147483392 (0 only in the degenerate case of a table filled
// from 2147483647 and a positive temporary state word).
[[nodiscard]] std::int64_t proposeSeed(Clock& clock, TRandomGenerator& generator);

} // namespace kelvaron
