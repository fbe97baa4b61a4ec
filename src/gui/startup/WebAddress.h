// The web link on the information page (LabelWWWClick).
#pragma once

#include <QString>

namespace kelvaron::gui {

// Asks the system to open `caption`, the label's current text, when it is a web address
// (isOpenableWebAddress); any other caption, which only a language file can set, is ignored.
void openWebAddress(const QString& caption);

} // namespace kelvaron::gui
