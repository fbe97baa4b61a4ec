// The boundary between the core's Windows-1252 texts and Qt's Unicode strings.
#pragma once

#include "core/text/CodePage.h"

#include <QString>

#include <string>
#include <string_view>

namespace kelvaron::gui {

// Straight to UTF-16, one character per byte: a list of millions of lines is converted once, not through
// UTF-8 on the way.
[[nodiscard]] inline QString qtText(std::string_view cp1252) {
    QString text(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : cp1252)
        *out++ = QChar(static_cast<char16_t>(codePointFromCp1252(byte)));
    return text;
}

// A character that Windows-1252 cannot represent becomes "?", as does an unpaired surrogate; a character
// beyond the Basic Multilingual Plane becomes one "?".
[[nodiscard]] inline std::string coreText(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            bytes.push_back(static_cast<char>(unit));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.push_back('?');
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            bytes.push_back('?');
        } else {
            bytes.push_back(cp1252FromCodePoint(unit));
        }
    }
    return bytes;
}

} // namespace kelvaron::gui
