// The version check's question to the system the program runs on.
#pragma once

#include "core/startup/WindowsVersion.h"

#include <QOperatingSystemVersion>

#include <optional>

namespace kelvaron::gui {

// The version record of `system`: major and minor number on Windows (an unknown minor number counts as
// 0), nullopt when Windows gives no major number. Other systems have no Windows version; the program runs
// there as on Windows 10, so 10.0.
[[nodiscard]] std::optional<WindowsVersion> versionRecord(const QOperatingSystemVersion& system);

class SystemVersionQuery : public VersionQuery {
public:
    // The version record of the running system.
    [[nodiscard]] std::optional<WindowsVersion> query() override;
};

} // namespace kelvaron::gui
