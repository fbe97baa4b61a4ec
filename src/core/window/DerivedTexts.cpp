#include "core/window/DerivedTexts.h"

#include "core/i18n/FixedTexts.h"

namespace kelvaron {

std::string makeBlockSeparatorLine(const FormTable& formLang) {
    return std::string(fixed::kBlockSeparatorBefore) + formLang.captionOf("LabelBlock") +
           std::string(fixed::kBlockSeparatorAfter);
}

std::string makeCenterLinePrefix(const FormTable& formKelvaron) {
    return formKelvaron.captionOf("LabelCenter");
}

} // namespace kelvaron
