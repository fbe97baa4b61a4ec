// The core's messages as modal Qt message boxes, parented to the active window.
#pragma once

#include "core/platform/Prompter.h"

namespace kelvaron::gui {

class QtPrompter : public Prompter {
public:
    // Plain message with OK, titled with the application's name.
    void note(std::string_view text) override;
    // "Kelvaron", Yes and No, no icon.
    bool question(std::string_view text) override;
    // "Kelvaron", OK, no icon.
    void box(std::string_view text) override;
    // A failure of the platform, shown as a critical message.
    void error(std::string_view text) override;
};

} // namespace kelvaron::gui
