// The user's decimal separator as the one Windows-1252 character the core's number texts take.
#pragma once

class QLocale;

namespace kelvaron::gui {

// The locale's decimal point; "." when it is not a single character of the code page (a separator of
// another script, or one written with two characters), so that a number never shows a "?".
[[nodiscard]] char decimalSeparator(const QLocale& locale);

} // namespace kelvaron::gui
