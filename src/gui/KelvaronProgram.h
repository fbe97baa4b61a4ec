// The program as a whole: the four forms in their creation order (the main window FormKelvaron, the print
// form FormDruck, the message catalogue FormLang, the self-test dialog FormSelftest), all labelled from one
// set of form tables, and the start-up that the main window runs at its first display and from its timer.
#pragma once

#include "core/engine/TRandomGenerator.h"
#include "core/i18n/ApplicationForms.h"
#include "gui/TFormKelvaron.h"
#include "gui/print/QtFormDruck.h"
#include "gui/selftest/TFormSelftest.h"
#include "gui/startup/ProgramEnvironment.h"

namespace kelvaron::gui {

class KelvaronProgram {
public:
    // REQUIRES: a QApplication exists. None of the forms is shown yet.
    explicit KelvaronProgram(const ProgramEnvironment& environment);

    // Shows the main window. Its first display applies the language file and prepares the first page; about
    // 50 ms later the start-up checks run, ending with the self-test dialog, and a failed check closes the
    // main window, which ends the program.
    void show();

    [[nodiscard]] TFormKelvaron& mainWindow() { return window_; }
    [[nodiscard]] TFormSelftest& selftestDialog() { return formSelftest_; }
    // The form tables, translated once the main window has been shown.
    [[nodiscard]] const ApplicationForms& forms() const { return forms_; }

private:
    // At the main window's first display: applies the language file to the form tables, which the window
    // then shows and derives its texts from.
    void applyLanguageFile();
    // From the main window's TimerStart: runs the start-up checks once; a failed check closes the window,
    // which ends the program.
    void runStartupChecks();
    // "Selbsttest" on the information page: the dialog's result is not used.
    void BitBtnSelftestClick();

    ProgramEnvironment environment_;
    ApplicationForms forms_;
    TRandomGenerator generator_;
    TFormKelvaron window_;
    QtFormDruck formDruck_;
    TFormSelftest formSelftest_;
};

} // namespace kelvaron::gui
