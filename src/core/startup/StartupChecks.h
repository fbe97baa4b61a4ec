// The checks the start-up timer runs once after the main window is first shown: the Windows version,
// the integrity of the program file and the self-test dialog, in this order.
#pragma once

#include "core/platform/IntegrityCheck.h"
#include "core/selftest/SelftestRun.h"
#include "core/startup/WindowsVersion.h"

#include <functional>
#include <utility>

namespace kelvaron {

class Messages;

class StartupChecks {
public:
    // `showSelftest` shows the self-test dialog modally and gives its modal result.
    StartupChecks(VersionQuery& versionQuery, IntegrityCheck& integrityCheck,
                  std::function<ModalResult()> showSelftest)
        : versionQuery_(versionQuery), integrityCheck_(integrityCheck),
          showSelftest_(std::move(showSelftest)) {}

    // Runs the checks until one fails and shows that check's catalogue message: MessageWindowsVersion,
    // MessageSignature or MessageSelftest. Later checks do not run, so at most one message is shown.
    // Returns true when a check failed and the main window must close.
    [[nodiscard]] bool run(const Messages& messages) const;

private:
    VersionQuery& versionQuery_;
    IntegrityCheck& integrityCheck_;
    std::function<ModalResult()> showSelftest_;
};

} // namespace kelvaron
