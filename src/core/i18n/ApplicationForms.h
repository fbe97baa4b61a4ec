// The four forms the application creates at start-up, in their creation order, which is also the
// order in which the language file is applied to them.
#pragma once

#include "core/i18n/FormLang.h"
#include "core/i18n/FormTable.h"
#include "core/i18n/Forms.h"

#include <array>

namespace kelvaron {

struct ApplicationForms {
    FormTable formKelvaron = makeFormKelvaron();
    FormTable formDruck = makeFormDruck();
    FormTable formLang = makeFormLang();
    FormTable formSelftest = makeFormSelftest();

    [[nodiscard]] std::array<FormTable*, 4> inCreationOrder() {
        return {&formKelvaron, &formDruck, &formLang, &formSelftest};
    }
};

} // namespace kelvaron
