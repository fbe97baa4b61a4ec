#include "gui/KelvaronProgram.h"

#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormLang.h"
#include "core/i18n/LanguageFolder.h"
#include "core/startup/FirstDisplay.h"
#include "core/startup/StartupChecks.h"
#include "gui/QtText.h"
#include "gui/startup/WebAddress.h"

#include <QApplication>

namespace kelvaron::gui {

KelvaronProgram::KelvaronProgram(const ProgramEnvironment& environment)
    : environment_(environment),
      window_(forms_.formKelvaron, forms_.formLang,
              {environment.prompter, environment.clock, generator_, environment.files}),
      formDruck_(window_, environment.prompter),
      // The dialog draws from the window's generator: the program has one shuffle table.
      formSelftest_(forms_.formSelftest, generator_, environment.prompter, &window_,
                    environment.selftestVectors) {
    // The application's title captions the plain messages.
    QApplication::setApplicationName(qtText(fixed::kBoxTitle));
    QObject::connect(&window_, &TFormKelvaron::firstShowing, &window_, [this] { applyLanguageFile(); });
    QObject::connect(&window_, &TFormKelvaron::startupChecksDue, &window_, [this] { runStartupChecks(); });
    QObject::connect(&window_, &TFormKelvaron::selftestRequested, &window_,
                     [this] { BitBtnSelftestClick(); });
    QObject::connect(&window_, &TFormKelvaron::webAddressClicked, &window_, &openWebAddress);
}

void KelvaronProgram::show() {
    window_.show();
}

void KelvaronProgram::applyLanguageFile() {
    firstDisplay(forms_, languageFolder(environment_.programDir, environment_.userConfigDir),
                 environment_.prompter);
}

void KelvaronProgram::runStartupChecks() {
    const StartupChecks checks(environment_.versionQuery, environment_.integrityCheck,
                               [this] { return formSelftest_.showModal(); });
    if (checks.run(Messages(forms_.formLang, environment_.prompter))) {
        window_.close();
        return;
    }
    window_.model().selftestPassed = true;
    if (environment_.designFile)
        window_.openDesign(*environment_.designFile);
}

void KelvaronProgram::BitBtnSelftestClick() {
    static_cast<void>(formSelftest_.showModal());
}

} // namespace kelvaron::gui
