// The boundary between the core's Windows-1252 texts and Qt's Unicode strings.
#pragma once

#include "core/text/CodePage.h"

#include <QString>

#include <string>
#include <string_view>

namespace kelvaron::gui {

[[nodiscard]] inline QString qtText(std::string_view cp1252) {
    return QString::fromStdString(utf8FromCp1252(cp1252));
}

// A character that Windows-1252 cannot represent becomes "?".
[[nodiscard]] inline std::string coreText(const QString& text) {
    return cp1252FromUtf8(text.toStdString());
}

} // namespace kelvaron::gui
