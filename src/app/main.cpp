// The entry point of the program: the application object, the main window, the message loop.
#include "gui/KelvaronProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelvaron::gui::KelvaronProgram program;
    program.show();
    return QApplication::exec();
}
