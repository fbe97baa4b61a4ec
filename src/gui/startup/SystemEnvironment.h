// The program's environment on the real system: Qt message boxes and file dialogs, the system clock, the
// system's version and the digest check of the running program file.
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
    // REQUIRES: a QApplication exists, which knows the program file.
    SystemEnvironment();
    SystemEnvironment(const SystemEnvironment&) = delete;
    SystemEnvironment& operator=(const SystemEnvironment&) = delete;

    // Refers to the parts of this object.
    [[nodiscard]] ProgramEnvironment environment();

private:
    std::filesystem::path programDir_;
    QtPrompter prompter_;
    SystemClock clock_;
    QtFileChooser files_;
    SystemVersionQuery versionQuery_;
    ProgramDigestCheck integrityCheck_;
};

} // namespace kelvaron::gui
