#include "core/engine/GeneralNumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kelvaron {
namespace {

constexpr int kPrecision = 15;

void stripTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos)
        return;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (!digits.empty() && digits.back() == '.')
        digits.pop_back();
}

} // namespace

std::string formatGeneral(double value, char decimalSeparator) {
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    // The decimal exponent after rounding to 15 significant digits decides the notation.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", kPrecision - 1, value);
    const char* e = std::strchr(scientific, 'e');
    const int exponent = std::atoi(e + 1);
    std::string text;
    if (std::fabs(value) >= 0.00001 && exponent < kPrecision) {
        char fixedText[64];
        std::snprintf(fixedText, sizeof fixedText, "%.*f", kPrecision - 1 - exponent, value);
        text = fixedText;
        stripTrailingZeros(text);
    } else {
        std::string mantissa(static_cast<const char*>(scientific), e);
        stripTrailingZeros(mantissa);
        text = mantissa + "E" + (exponent < 0 ? "-" : "") + std::to_string(std::abs(exponent));
    }
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
    }
    return text;
}

} // namespace kelvaron
