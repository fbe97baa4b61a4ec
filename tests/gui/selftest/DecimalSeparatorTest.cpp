#include "gui/selftest/DecimalSeparator.h"

#include <QLocale>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct SeparatorCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    char separator;
};

void PrintTo(const SeparatorCase& separatorCase, std::ostream* out) {
    *out << separatorCase.name;
}

class DecimalSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparatorTest, IsTheLocalesPointOrADotWhereTheCodePageLacksIt) {
    const SeparatorCase& locale = GetParam();
    EXPECT_EQ(kelvaron::gui::decimalSeparator(QLocale(locale.language, locale.territory)), locale.separator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DecimalSeparatorTest,
    ::testing::Values(SeparatorCase{"C", QLocale::C, QLocale::AnyTerritory, '.'},
                      SeparatorCase{"German", QLocale::German, QLocale::Germany, ','},
                      SeparatorCase{"English", QLocale::English, QLocale::UnitedStates, '.'},
                      // U+066B ARABIC DECIMAL SEPARATOR is not in Windows-1252.
                      SeparatorCase{"Arabic", QLocale::Arabic, QLocale::Egypt, '.'}),
    [](const ::testing::TestParamInfo<SeparatorCase>& testCase) { return testCase.param.name; });

} // namespace
