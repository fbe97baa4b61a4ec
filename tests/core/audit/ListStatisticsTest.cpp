#include "core/audit/ListStatistics.h"

#include <gtest/gtest.h>
#include <vector>

namespace kelvaron {
namespace {

ListRecord listOf(std::vector<std::int32_t> arms, std::vector<std::int32_t> blocks = {}) {
    ListRecord list;
    list.patientArms = std::move(arms);
    list.blockSizes = std::move(blocks);
    return list;
}

// Ratios 1 : 2 (sum 3) over arms 2 1 2 2 2 1. Times 3, the deviations |3 c_i(k) - k r_i| are
//   k=1: 1 1   k=2: 1 1   k=3: 0 0   k=4: 1 1   k=5: 2 2   k=6: 0 0
// so the largest is 2/3 at patient 5, arm 1 (the lower arm of the tie).
TEST(ListStatistics, FindsTheLargestDeviationOfAHandComputedList) {
    const auto statistics = listStatistics(listOf({2, 1, 2, 2, 2, 1}, {3, 3}), std::vector{1, 2});
    EXPECT_EQ(statistics.deviation, (RatioDeviation{2, 3, 5, 1}));
    EXPECT_EQ(twoDecimals(statistics.deviation), "0.67");
    EXPECT_EQ(statistics.patientsPerArm, (std::vector<std::int64_t>{2, 4}));
    EXPECT_EQ(statistics.unassigned, 0);
    EXPECT_EQ(statistics.blocksBySize, (std::map<std::int32_t, std::int64_t>{{3, 2}}));
}

TEST(ListStatistics, CountsUnassignedPositionsAndOnlyTheBlocksThatHoldPatients) {
    // Plan 4 + 4 + 2 for 6 patients: the cut second block counts, the third holds nobody.
    const auto statistics = listStatistics(listOf({1, 2, 0, 2, 1, 0}, {4, 4, 2}), std::vector{1, 1});
    EXPECT_EQ(statistics.patientsPerArm, (std::vector<std::int64_t>{2, 2}));
    EXPECT_EQ(statistics.unassigned, 2);
    EXPECT_EQ(statistics.blocksBySize, (std::map<std::int32_t, std::int64_t>{{4, 2}}));
    // k=4: arm 1 has 1 of 4 patients, one short of its half: |1*2 - 4| / 2 = 1 (k=6 ties, later).
    EXPECT_EQ(statistics.deviation, (RatioDeviation{2, 2, 4, 1}));
    EXPECT_EQ(twoDecimals(statistics.deviation), "1.00");
}

TEST(ListStatistics, GivesNoPositionForAnEmptyList) {
    const auto statistics = listStatistics(listOf({}), std::vector{1, 1});
    EXPECT_EQ(statistics.deviation.position, 0);
    EXPECT_EQ(twoDecimals(statistics.deviation), "0.00");
}

TEST(ListStatistics, ASingleArmNeverDeviates) {
    const auto statistics = listStatistics(listOf({1, 1, 1}), std::vector{5});
    EXPECT_EQ(statistics.deviation, (RatioDeviation{0, 5, 1, 1}));
}

struct Rounding {
    std::uint64_t numerator;
    std::int64_t ratioSum;
    const char* text;
};

TEST(ListStatistics, RoundsHalfAwayFromZeroToHundredths) {
    const Rounding cases[] = {
        {1, 8, "0.13"},          {1, 3, "0.33"},
        {2, 3, "0.67"},          {1, 200, "0.01"},
        {1, 201, "0.00"},        {199, 200, "1.00"},
        {7, 1, "7.00"},          {12345, 100, "123.45"},
        {1, 2147483647, "0.00"}, {2147483646, 2147483647, "1.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(twoDecimals({c.numerator, c.ratioSum, 1, 1}), c.text) << c.numerator << "/" << c.ratioSum;
}

// The plain definition: every position, every arm, the first maximum kept.
RatioDeviation everyPointDeviation(const std::vector<std::int32_t>& arms,
                                   const std::vector<std::int32_t>& ratios) {
    std::int64_t sum = 0;
    for (auto r : ratios)
        sum += r;
    std::vector<std::int64_t> counts(ratios.size(), 0);
    RatioDeviation best{0, sum, 0, 0};
    for (std::size_t k = 1; k <= arms.size(); ++k) {
        const auto arm = arms[k - 1];
        if (arm >= 1 && static_cast<std::size_t>(arm) <= ratios.size())
            ++counts[static_cast<std::size_t>(arm - 1)];
        for (std::size_t i = 0; i < ratios.size(); ++i) {
            const std::int64_t gap = counts[i] * sum - static_cast<std::int64_t>(k) * ratios[i];
            const auto size = static_cast<std::uint64_t>(gap < 0 ? -gap : gap);
            if (best.position == 0 || size > best.numerator)
                best = {size, sum, static_cast<std::int64_t>(k), static_cast<std::int32_t>(i + 1)};
        }
    }
    return best;
}

TEST(ListStatistics, AgreesWithTheDefinitionOnManyRandomLists) {
    std::uint32_t state = 12345;
    auto next = [&](std::uint32_t below) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % below;
    };
    for (int round = 0; round < 500; ++round) {
        std::vector<std::int32_t> ratios(1 + next(5));
        for (auto& ratio : ratios)
            ratio = static_cast<std::int32_t>(next(4)); // zeros included
        ratios[next(static_cast<std::uint32_t>(ratios.size()))] += 1;
        std::vector<std::int32_t> arms(next(40));
        for (auto& arm : arms)
            arm = static_cast<std::int32_t>(next(static_cast<std::uint32_t>(ratios.size()) + 1));
        EXPECT_EQ(listStatistics(listOf(arms), ratios).deviation, everyPointDeviation(arms, ratios))
            << "round " << round;
    }
}

} // namespace
} // namespace kelvaron
