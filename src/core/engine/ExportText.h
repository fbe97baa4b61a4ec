// The list text as exported and copied: the same 8-bit text with every line break as CR LF.
#pragma once

#include <string>
#include <string_view>

namespace kelvaron {

[[nodiscard]] std::string exportText(std::string_view listViewText);

} // namespace kelvaron
