#include "core/print/TPrintAbschnitt.h"

namespace kelvaron {

void TPrintAbschnitt::SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    rect = Rect{left, top, right, bottom};
}

void TPrintAbschnitt::SetLeftText(std::string_view text) {
    leftText = text;
    leftAuto = false;
}

void TPrintAbschnitt::SetRightText(std::string_view text) {
    rightText = text;
    rightAuto = false;
}

void TPrintAbschnitt::SetCenterText(std::string_view text) {
    centerText = text;
    centerAuto = false;
}

} // namespace kelvaron
