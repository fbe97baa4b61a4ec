// The platform's general number format for floating-point values: at most 15 significant digits,
// no trailing zeros, fixed notation from 0.00001 up to 15 integer digits, otherwise "1.5E-7" style.
#pragma once

#include <string>

namespace kelvaron {

[[nodiscard]] std::string formatGeneral(double value, char decimalSeparator = '.');

} // namespace kelvaron
