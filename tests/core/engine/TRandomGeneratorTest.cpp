#include "core/engine/TRandomGenerator.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace kelvaron {
namespace {

std::vector<double> firstValues(std::int32_t stateWord, int count) {
    TRandomGenerator generator;
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(generator.Draw(stateWord));
    return values;
}

TEST(TRandomGenerator, SeedOneGivesTheKnownSingleValues) {
    const std::vector<double> expected = {0.4159993529319763, 0.09196489304304123, 0.7564104795455933,
                                          0.5297002196311951, 0.9304364919662476};
    EXPECT_EQ(firstValues(-1, 5), expected);
}

TEST(TRandomGenerator, ZeroAndPositiveWordsOnAFreshTableStartLikeSeedOne) {
    EXPECT_EQ(firstValues(0, 5), firstValues(-1, 5));
    EXPECT_EQ(firstValues(5, 5), firstValues(-1, 5));
    // The negation of -2147483648 wraps to itself, which is not positive either.
    EXPECT_EQ(firstValues(INT32_MIN, 5), firstValues(-1, 5));
}

TEST(TRandomGenerator, SeedThousandStartsTheFirstSelfTestPass) {
    EXPECT_EQ(firstValues(-1000, 1).front(), 0.19059444963932037);
}

TEST(TRandomGenerator, TheModulusAsSeedFillsTheTableWithZeroThenContinuesAsSeedOne) {
    TRandomGenerator generator;
    std::int32_t stateWord = -2147483647;
    EXPECT_EQ(generator.Draw(stateWord), 0.0f);
    EXPECT_EQ(stateWord, 0);
    std::vector<double> rest;
    for (int i = 0; i < 4; ++i)
        rest.push_back(generator.Draw(stateWord));
    const auto seedOne = firstValues(-1, 4);
    EXPECT_EQ(rest, seedOne);
}

TEST(TRandomGenerator, StateWordsShareOneTable) {
    // A positive word continues with the table the negative one initialised.
    TRandomGenerator shared;
    std::int32_t a = -1000;
    std::int32_t b = 1000;
    shared.Draw(a);
    const float fromShared = shared.Draw(b);
    TRandomGenerator fresh;
    std::int32_t c = 1000;
    EXPECT_NE(fromShared, fresh.Draw(c));
}

TEST(TRandomGenerator, DrawIndexStaysBelowNAndIsExactForLargeN) {
    TRandomGenerator generator;
    std::int32_t stateWord = -7;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(generator.DrawIndex(stateWord, 1), 0);
        const std::int32_t index = generator.DrawIndex(stateWord, 2147483647);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, 2147483647);
    }
}

TEST(TruncatedProduct, FormsTheExactProduct) {
    const float clamp = 0.99999988079071044921875f;
    EXPECT_EQ(truncatedProduct(clamp, 2147483647), 2147483391);
    EXPECT_EQ(truncatedProduct(clamp, 2147483648LL), 2147483392);
    // (0.5 + 2^-24) * 1082130431 = 541065279 + (1 - 2^-24): a double rounds it up to the next integer.
    EXPECT_EQ(truncatedProduct(0.5000000596046448f, 1082130431), 541065279);
    EXPECT_EQ(truncatedProduct(0.0f, 12), 0);
    EXPECT_EQ(truncatedProduct(0.5f, 7), 3);
}

} // namespace
} // namespace kelvaron
