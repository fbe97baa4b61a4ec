#include "core/engine/Selftest.h"

#include <algorithm>

namespace kelvaron {

double selftestPassSum(TRandomGenerator& generator, std::int32_t seed) {
    // A re-initialises the shared table from the seed; B continues with that table.
    std::int32_t a = -seed;
    std::int32_t b = seed;
    double sum = generator.Draw(a);
    for (int i = 1; i <= 100; ++i)
        sum += generator.Draw(b);
    return sum;
}

bool selftestPasses(TRandomGenerator& generator, std::span<const SelftestVector> vectors) {
    return std::all_of(vectors.begin(), vectors.end(), [&](const SelftestVector& vector) {
        return selftestPassSum(generator, vector.seed) == vector.expectedSum;
    });
}

} // namespace kelvaron
