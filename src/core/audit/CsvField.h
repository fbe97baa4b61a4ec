// Fields and rows of comma-separated tables (RFC 4180): comma between fields, CR LF after every row.
#pragma once

#include <string>
#include <string_view>

namespace kelvaron {

// Appends `field`, enclosed in double quotes with its quotes doubled when it holds a comma, a double
// quote, a CR or an LF; otherwise as it is.
void appendCsvField(std::string& row, std::string_view field);

inline constexpr std::string_view kCsvRowEnd = "\r\n";

} // namespace kelvaron
