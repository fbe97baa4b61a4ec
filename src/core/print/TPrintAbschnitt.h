// One band across the page, the header or the footer, with a left, a right and a centred text.
#pragma once

#include "core/platform/Canvas.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaron {

// A text whose auto flag is set is replaced by its automatic value when the band is drawn (see
// TMyPrinter::DrawHeader and DrawFooter); the setters store a text to be drawn unchanged.
struct TPrintAbschnitt {
    std::string leftText;
    bool leftAuto = true;
    std::string rightText;
    bool rightAuto = true;
    std::string centerText;
    bool centerAuto = true;
    Font font;
    Rect rect;

    void SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void SetLeftText(std::string_view text);
    void SetRightText(std::string_view text);
    void SetCenterText(std::string_view text);
};

} // namespace kelvaron
