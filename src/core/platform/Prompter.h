// The way the core shows messages to the user. Every text is Windows-1252, as all texts of the core.
#pragma once

#include <string_view>

namespace kelvaron {

class Prompter {
public:
    virtual ~Prompter() = default;

    // Plain message with one OK button, captioned with the application's title.
    virtual void note(std::string_view text) = 0;
    // Modal Yes/No question titled "Kelvaron", no icon. Returns true for Yes.
    [[nodiscard]] virtual bool question(std::string_view text) = 0;
    // Modal notice titled "Kelvaron" with one OK button, no icon.
    virtual void box(std::string_view text) = 0;
    // The application's general error display, for failures of the platform (a file that cannot be written).
    virtual void error(std::string_view text) = 0;
};

} // namespace kelvaron
