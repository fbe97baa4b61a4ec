// Today's date as the printed list shows it at the top right of every page.
#pragma once

#include <string>

namespace kelvaron::gui {

// Today's date in the system's short date format (QLocale::system()), Windows-1252.
[[nodiscard]] std::string todayShortDate();

} // namespace kelvaron::gui
