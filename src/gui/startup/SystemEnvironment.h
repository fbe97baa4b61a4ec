// The program's environment on the real system: Qt message boxes and file dialogs, the system clock, the
// system's version, the digest check of the running program file, the user's configuration folder and
// the design file named on the command line.
#pragma once

#include "core/platform/SystemClock.h"
#include "core/startup/ProgramDigestCheck.h"
#include "gui/QtFileChooser.h"
#include "gui/QtPrompter.h"
#include "gui/startup/ProgramEnvironment.h"
#include "gui/startup/SystemVersionQuery.h"

namespace kelvaron::gui {

class SystemEnvironment {
public:
    // REQUIRES: a QApplication exists, which knows the program file and the arguments.
    SystemEnvironment();
    SystemEnvironment(const SystemEnvironment&) = delete;
    SystemEnvironment& operator=(const SystemEnvironment&) = delete;

    // Refers to the parts of this object.
    [[nodiscard]] ProgramEnvironment environment();

private:
    std::filesystem::path programDir_;
    std::filesystem::path userConfigDir_;
    std::optional<std::filesystem::path> designFile_;
    QtPrompter prompter_;
    SystemClock clock_;
    QtFileChooser files_;
    SystemVersionQuery versionQuery_;
    ProgramDigestCheck integrityCheck_;
};

} // namespace kelvaron::gui
