// The draws of one list: the shared generator with the list's own state word. A list starts from its seed;
// the state word starts as the negated seed, so the first draw re-initialises the shared table from it.
#pragma once

#include "core/engine/Int32.h"
#include "core/engine/TRandomGenerator.h"

#include <cstdint>

namespace kelvaron {

class ListStream {
public:
    ListStream(TRandomGenerator& generator, std::int32_t seed)
        : generator_(generator), stateWord_(int32::negate(seed)) {}

    float Draw() { return generator_.Draw(stateWord_); }
    // 0 ... n - 1. REQUIRES: n >= 1.
    std::int32_t DrawIndex(std::int32_t n) { return generator_.DrawIndex(stateWord_, n); }

private:
    TRandomGenerator& generator_;
    std::int32_t stateWord_;
};

} // namespace kelvaron
