// The main window, the print form and the self-test dialog as tables of their components, with the
// German texts of their form resources (Windows-1252). The Qt layer builds its widgets from these
// tables by component name; the language file translates them.
#pragma once

#include "core/i18n/FormTable.h"

namespace kelvaron {

// FormKelvaron: the seven pages of the wizard, the controls around them, the start-up timer and the
// file dialogs, in the order in which the form owns them.
[[nodiscard]] FormTable makeFormKelvaron();

// FormDruck: the never-shown print form with its print button, working memo and print dialog.
[[nodiscard]] FormTable makeFormDruck();

// FormSelftest: the self-test dialog with its displays, progress bar and timer.
[[nodiscard]] FormTable makeFormSelftest();

} // namespace kelvaron
