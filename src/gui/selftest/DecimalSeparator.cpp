#include "gui/selftest/DecimalSeparator.h"

#include "gui/QtText.h"

#include <QLocale>

namespace kelvaron::gui {

char decimalSeparator(const QLocale& locale) {
    // coreText() writes a character the code page lacks as "?".
    const std::string separator = coreText(locale.decimalPoint());
    if (separator.size() != 1 || separator == "?")
        return '.';
    return separator.front();
}

} // namespace kelvaron::gui
