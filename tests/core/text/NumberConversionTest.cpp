#include "core/text/NumberConversion.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

TEST(NumberConversion, StrictAcceptsASignAndDigitsWithinThirtyTwoBits) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"120", 120},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", {}},
        {"-2147483649", {}},
        {"", {}},
        {"-", {}},
        {" 12", {}},
        {"12 ", {}},
        {"1e3", {}},
        {"0x10", {}},
        {"$10", {}},
        {"12,5", {}},
        {"99999999999999999999", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strictInt32(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberConversion, LenientCountsAFailureAsZero) {
    EXPECT_EQ(lenientInt32("60"), 60);
    EXPECT_EQ(lenientInt32("sechzig"), 0);
    EXPECT_EQ(lenientInt32(""), 0);
}

} // namespace
} // namespace kelvaron
