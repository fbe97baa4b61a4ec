#include "core/engine/BlockRandomization.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <vector>

namespace kelvaron {
namespace {

using Sizes = std::vector<std::int32_t>;

struct SeededBlocks {
    TRandomGenerator generator;
    ListStream stream;
    BlockRandomization blocks;
    explicit SeededBlocks(std::int32_t seed) : stream(generator, seed) {}
    bool plan(const BlockParameters& parameters, std::int32_t n) {
        return blocks.PlanBlocks(parameters, n, stream);
    }
    Allocation allocate(std::int32_t n, std::span<const std::int32_t> ratios) {
        return blocks.AllocateArms(n, ratios, stream);
    }
};

BlockParameters fixedBlocks(std::int32_t size, std::int32_t arms) {
    return {true, size, 0, 0, arms};
}
BlockParameters variableBlocks(std::int32_t min, std::int32_t max, std::int32_t arms) {
    return {false, 0, min, max, arms};
}

TEST(BlockRandomization, SeedSeventeenFixedBlocksOfTwo) {
    SeededBlocks run(17);
    ASSERT_TRUE(run.plan(fixedBlocks(2, 2), 4));
    EXPECT_EQ(run.blocks.blockSizes(), (Sizes{2, 2, 0}));
    ASSERT_EQ(run.allocate(4, Sizes{1, 1}), Allocation::Complete);
    EXPECT_EQ(run.blocks.patientArms(), (Sizes{2, 1, 2, 1}));
}

TEST(BlockRandomization, SeedSeventeenVariableBlocksFromTwoToSix) {
    SeededBlocks run(17);
    ASSERT_TRUE(run.plan(variableBlocks(2, 6, 2), 12));
    EXPECT_EQ(run.blocks.blockSizes(), (Sizes{6, 4, 2, 0}));
    ASSERT_EQ(run.allocate(12, Sizes{1, 1}), Allocation::Complete);
    EXPECT_EQ(run.blocks.patientArms(), (Sizes{1, 2, 2, 1, 1, 2, 1, 2, 1, 2, 1, 2}));
}

// A center's planned size may be 0 or negative when the user declined to cancel: no block, no patient.
TEST(BlockRandomization, NoPatientsOrANegativeCountGiveAnEmptyPlanAndList) {
    for (const std::int32_t n : {0, -1, -6, std::numeric_limits<std::int32_t>::min()}) {
        for (const auto& parameters : {fixedBlocks(4, 2), fixedBlocks(1, 1), variableBlocks(2, 6, 2)}) {
            SeededBlocks run(5);
            ASSERT_TRUE(run.plan(parameters, n)) << n;
            EXPECT_EQ(run.blocks.blockSizes(), (Sizes{0})) << n;
            EXPECT_EQ(run.allocate(n, Sizes{1, 1}), Allocation::Complete) << n;
            EXPECT_TRUE(run.blocks.patientArms().empty()) << n;
        }
    }
}

// Counts the arms of every block of the plan.
std::vector<std::map<std::int32_t, int>> armsPerBlock(const BlockRandomization& blocks) {
    std::vector<std::map<std::int32_t, int>> result;
    std::size_t position = 0;
    for (std::int32_t size : blocks.blockSizes()) {
        if (size <= 0)
            break;
        auto& counts = result.emplace_back();
        for (std::int32_t k = 0; k < size; ++k)
            ++counts[blocks.patientArms()[position++]];
    }
    return result;
}

TEST(BlockRandomization, EveryFixedBlockHoldsEachArmsShare) {
    struct Case {
        Sizes ratios;
        std::int32_t blockSize;
        std::map<std::int32_t, int> perBlock;
    };
    const Case cases[] = {
        {{1, 1}, 4, {{1, 2}, {2, 2}}},
        {{2, 1}, 6, {{1, 4}, {2, 2}}},
        {{1, 2, 3}, 12, {{1, 2}, {2, 4}, {3, 6}}},
    };
    for (const auto& c : cases) {
        SeededBlocks run(4711);
        const auto arms = static_cast<std::int32_t>(c.ratios.size());
        ASSERT_TRUE(run.plan(fixedBlocks(c.blockSize, arms), 10 * c.blockSize));
        ASSERT_EQ(run.allocate(10 * c.blockSize, c.ratios), Allocation::Complete);
        for (const auto& counts : armsPerBlock(run.blocks))
            EXPECT_EQ(counts, c.perBlock);
    }
}

TEST(BlockRandomization, ACandidateThatCannotBePlacedAThousandTimesFailsThePlan) {
    // Every candidate is 4; after the first block, 4 would leave 2 < 4 patients.
    SeededBlocks run(3);
    EXPECT_FALSE(run.plan(variableBlocks(4, 5, 2), 10));
    // Candidates 6 and 8 for 16 patients: an exact fit is rejected like a too-small rest.
    for (std::int32_t seed = 1; seed <= 20; ++seed) {
        SeededBlocks other(seed);
        EXPECT_FALSE(other.plan(variableBlocks(6, 8, 2), 16)) << seed;
    }
}

TEST(BlockRandomization, TheLastVariableBlockIsCutToTheRemainderAndItsRestGoesToTheLastArm) {
    bool sawSeven = false;
    for (std::int32_t seed = 1; seed <= 50; ++seed) {
        SeededBlocks run(seed);
        ASSERT_TRUE(run.plan(variableBlocks(4, 8, 2), 21));
        const auto& sizes = run.blocks.blockSizes();
        std::int32_t sum = 0;
        for (std::size_t k = 0; k + 1 < sizes.size(); ++k) {
            sum += sizes[k];
            EXPECT_GE(sizes[k], 4);
            if (k + 2 < sizes.size()) {
                EXPECT_TRUE(sizes[k] == 4 || sizes[k] == 6 || sizes[k] == 8);
            }
        }
        EXPECT_EQ(sum, 21);
        ASSERT_EQ(run.allocate(21, Sizes{1, 1}), Allocation::Complete);
        if (sizes[sizes.size() - 2] == 7) {
            sawSeven = true;
            const auto counts = armsPerBlock(run.blocks).back();
            EXPECT_EQ(counts, (std::map<std::int32_t, int>{{1, 3}, {2, 4}}));
        }
    }
    EXPECT_TRUE(sawSeven);
}

TEST(BlockRandomization, APositionBeyondTheListEndsTheAllocationIncomplete) {
    // A plan of one block of 6 for a list of 4: the first arm's draws can reach past the end.
    SeededBlocks run(17);
    ASSERT_TRUE(run.plan(fixedBlocks(6, 2), 4));
    EXPECT_EQ(run.allocate(4, Sizes{1, 1}), Allocation::Incomplete);
    EXPECT_EQ(run.blocks.patientArms().size(), 4u);
}

} // namespace
} // namespace kelvaron
