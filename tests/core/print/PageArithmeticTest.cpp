#include "core/print/PageArithmetic.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace kelvaron {
namespace {

struct MulDivCase {
    std::int32_t a, b, c, expected;
};

TEST(MulDiv, RoundsHalvesAwayFromZeroAndReportsFailureAsMinusOne) {
    const MulDivCase cases[] = {
        {8, 600, 72, 67},   // 66.67
        {12, 600, 72, 100}, //
        {10, 600, 72, 83},  // 83.33
        {14, 600, 72, 117}, // 116.67
        {8, 96, 72, 11},    // 10.67
        {3, 1, 2, 2},       // 1.5 up
        {-3, 1, 2, -2},     // -1.5 away from zero
        {3, -1, 2, -2},     //
        {3, 1, -2, -2},     //
        {-3, -1, -2, -2},   //
        {5, 1, 4, 1},       // 1.25
        {7, 1, 4, 2},       // 1.75
        {1, 1, 3, 0},       //
        {2, 1, 3, 1},       // 0.67
        {0, -5, 3, 0},      //
        {7, 9, 0, -1},      // no divisor
        {2147483647, 2, 1, -1}, {2147483647, 2, 2, 2147483647}, {-2147483647, 3, 3, -2147483647},
        {65536, 65536, 2, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

TEST(TruncInt32, TruncatesTowardZeroAndKeepsTheLowBits) {
    EXPECT_EQ(truncInt32(594.99998), 594);
    EXPECT_EQ(truncInt32(100.5), 100);
    EXPECT_EQ(truncInt32(-0.5), 0);
    EXPECT_EQ(truncInt32(-24.99), -24);
    EXPECT_EQ(truncInt32(4294967296.0 + 5.0), 5);
    EXPECT_EQ(truncInt32(2147483648.0), -2147483647 - 1);
    EXPECT_EQ(truncInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncInt32(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(truncInt32(1e300), 0);
}

} // namespace
} // namespace kelvaron
