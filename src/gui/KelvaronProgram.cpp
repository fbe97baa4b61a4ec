#include "gui/KelvaronProgram.h"

#include "gui/QtText.h"
#include "i18n/FixedTexts.h"
#include "i18n/FormLang.h"
#include "i18n/Forms.h"

#include <QApplication>

namespace kelvaron::gui {

KelvaronProgram::KelvaronProgram()
    : formKelvaron_(makeFormKelvaron()), formLang_(makeFormLang()),
      window_(formKelvaron_, formLang_, {prompter_, clock_, generator_, files_}) {
    // The application's title captions the plain messages.
    QApplication::setApplicationName(qtText(fixed::kBoxTitle));
}

void KelvaronProgram::show() {
    window_.show();
}

} // namespace kelvaron::gui
