#include "core/engine/Selftest.h"

#include "core/engine/GeneralNumberFormat.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

TEST(Selftest, EveryPassReproducesItsStoredSumExactly) {
    TRandomGenerator generator;
    for (const auto& vector : kSelftestVectors)
        EXPECT_EQ(selftestPassSum(generator, vector.seed), vector.expectedSum) << vector.seed;
}

TEST(Selftest, TheStoredSumsAreTheListedDecimals) {
    const std::vector<std::string> decimals = {"52.99903191998601", "53.31179462745786",  "49.92853340879083",
                                               "56.0259791854769",  "50.696241019293666", "49.66985298600048",
                                               "51.73461784236133", "48.09040194749832",  "52.54131216928363",
                                               "50.61031605489552"};
    for (std::size_t p = 0; p < decimals.size(); ++p)
        EXPECT_EQ(std::stod(decimals[p]), kSelftestVectors[p].expectedSum);
}

TEST(Selftest, TheVerdictIsTheAgreementOfEveryPassSum) {
    TRandomGenerator generator;
    EXPECT_TRUE(selftestPasses(generator));
    for (std::size_t pass = 0; pass < kSelftestVectors.size(); ++pass) {
        auto vectors = kSelftestVectors;
        vectors[pass].expectedSum += 0x1p-40;
        EXPECT_FALSE(selftestPasses(generator, vectors)) << pass;
    }
}

TEST(GeneralNumberFormat, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {50.61031605489552, "50.6103160548955"},
        {0.19059444963932037, "0.19059444963932"},
        {0.5, "0.5"},
        {0.0, "0"},
        {100.0, "100"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {4.656612875245797e-10, "4.6566128752458E-10"},
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {-2.25, "-2.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value), c.text) << c.value;
    EXPECT_EQ(formatGeneral(0.25, ','), "0,25");
}

} // namespace
} // namespace kelvaron
