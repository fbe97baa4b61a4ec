#include "shell/DerivedTexts.h"

#include "i18n/FixedTexts.h"

namespace kelvaron {

std::string makeBlockSeparatorLine(const FormTable& formLang) {
    return std::string(fixed::kBlockSeparatorBefore) + formLang.captionOf("LabelBlock") +
           std::string(fixed::kBlockSeparatorAfter);
}

std::string makeCenterLinePrefix(const FormTable& formKelvaron) {
    return formKelvaron.captionOf("LabelCenter");
}

} // namespace kelvaron
