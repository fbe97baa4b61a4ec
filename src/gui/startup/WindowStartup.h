// The two steps of the program's start-up that the main window runs but that reach beyond it: the
// language file at its first display and the start-up checks from its start-up timer.
#pragma once

namespace kelvaron::gui {

class WindowStartup {
public:
    virtual ~WindowStartup() = default;
    // Applies the language file to the form tables that the window and the other forms read, or shows the
    // message that it is missing. The window then shows the tables' texts again and derives its texts.
    virtual void applyLanguageFile() = 0;
    // Runs the start-up checks once. True when one of them failed and showed its message: the window
    // then closes, which ends the program.
    [[nodiscard]] virtual bool runStartupChecks() = 0;
};

} // namespace kelvaron::gui
