#include "core/startup/StartupChecks.h"

#include "core/i18n/FormLang.h"

namespace kelvaron {

bool StartupChecks::run(const Messages& messages) const {
    if (!IsWindowsVersionSupported(versionQuery_.query())) {
        messages.show("MessageWindowsVersion");
        return true;
    }
    if (!integrityCheck_.programFileIntact()) {
        messages.show("MessageSignature");
        return true;
    }
    if (showSelftest_() != ModalResult::OK) {
        messages.show("MessageSelftest");
        return true;
    }
    return false;
}

} // namespace kelvaron
