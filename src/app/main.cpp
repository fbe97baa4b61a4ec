// The entry point of the program: the application object, the four forms, the message loop until the main
// window closes. An exception that escapes is shown as an error, and the program still returns 0.
#include "gui/KelvaronProgram.h"
#include "gui/QtPrompter.h"
#include "gui/QtText.h"
#include "gui/startup/QtTranslations.h"
#include "gui/startup/SystemEnvironment.h"

#include <QApplication>
#include <QLocale>

#include <exception>

namespace {

void showException(const char* what) {
    kelvaron::gui::QtPrompter().error(kelvaron::gui::coreText(QString::fromLocal8Bit(what)));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelvaron::gui::loadQtTranslations(application, QLocale::system());
    try {
        kelvaron::gui::SystemEnvironment system;
        kelvaron::gui::KelvaronProgram program(system.environment());
        program.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        showException(error.what());
    } catch (...) {
        showException("");
    }
    return 0;
}
