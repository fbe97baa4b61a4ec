// The program as a whole: the form tables, the platform services and the main window, created in that
// order and destroyed together when the program ends.
#pragma once

#include "engine/TRandomGenerator.h"
#include "gui/QtFileChooser.h"
#include "gui/QtPrompter.h"
#include "gui/TFormKelvaron.h"
#include "i18n/FormTable.h"
#include "platform/SystemClock.h"

namespace kelvaron::gui {

class KelvaronProgram {
public:
    // REQUIRES: a QApplication exists.
    KelvaronProgram();

    // Shows the main window; its first display prepares the first page.
    void show();

    [[nodiscard]] TFormKelvaron& mainWindow() { return window_; }

private:
    FormTable formKelvaron_;
    FormTable formLang_;
    QtPrompter prompter_;
    SystemClock clock_;
    TRandomGenerator generator_;
    QtFileChooser files_;
    TFormKelvaron window_;
};

} // namespace kelvaron::gui
