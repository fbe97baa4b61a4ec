// The web link on the information page: which captions of LabelWWW the program hands to the system to
// open. A language file sets the caption, so only a web address is opened, never a local file, a program
// or another scheme.
#pragma once

#include <string_view>

namespace kelvaron {

// True when `text` (Windows-1252) is an http or https address: the scheme in any letter case, "://" and
// a non-empty host part, and no control character anywhere (C0, DEL and the five unassigned bytes, which
// stand for C1 controls). False for everything else, including the empty text.
[[nodiscard]] bool isOpenableWebAddress(std::string_view text);

} // namespace kelvaron
