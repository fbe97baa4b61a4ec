// The texts the main window derives from captions once the interface language is in force.
#pragma once

#include "core/i18n/FormTable.h"

#include <string>

namespace kelvaron {

// "------- " + the catalogue's LabelBlock + " ------".
[[nodiscard]] std::string makeBlockSeparatorLine(const FormTable& formLang);
// The caption of the main window's LabelCenter.
[[nodiscard]] std::string makeCenterLinePrefix(const FormTable& formKelvaron);

} // namespace kelvaron
