// A main window model with fake platform services and the default German texts.
#pragma once

#include "FakePrompter.h"
#include "TestText.h"
#include "core/engine/TRandomGenerator.h"
#include "core/i18n/FormLang.h"
#include "core/i18n/FormTable.h"
#include "core/platform/Clock.h"
#include "core/window/MainWindowModel.h"

#include <string>

namespace kelvaron::test {

class FixedClock : public Clock {
public:
    std::int64_t seconds = 1'700'000'000;
    std::int64_t calendarSeconds() override { return seconds; }
};

// The captions of the main window that the rules read.
inline FormTable windowCaptions() {
    FormTable form{"FormKelvaron", "Morvex Kelvaron Version 1.5", {}};
    const std::pair<const char*, const char*> labels[] = {
        {"LabelArm", "Arm"},
        {"LabelArmDescr", "Beschreibung"},
        {"LabelRatio", "Ratio"},
        {"LabelCenter", "Zentrum"},
        {"LabelCenterId", "Nummer"},
        {"LabelCenterDescr", "Beschreibung"},
        {"LabelSampleSize", "Geplante Fallzahl"},
    };
    for (const auto& [name, text] : labels)
        form.components.push_back({.name = name, .className = "TLabel", .caption = text, .hint = ""});
    return form;
}

struct ModelFixture {
    FakePrompter prompter;
    FixedClock clock;
    TRandomGenerator generator;
    FormTable formKelvaron = windowCaptions();
    FormTable formLang = makeFormLang();
    MainWindowModel model{prompter, clock, generator, formKelvaron, formLang};

    ModelFixture() {
        model.applyTranslation();
        model.showFirstPage();
    }

    // The catalogue text of a message key, as shown.
    [[nodiscard]] std::string message(std::string_view key) const { return formLang.captionOf(key); }
};

} // namespace kelvaron::test
