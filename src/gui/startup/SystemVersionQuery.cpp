#include "gui/startup/SystemVersionQuery.h"

#include <algorithm>

namespace kelvaron::gui {

std::optional<WindowsVersion> versionRecord(const QOperatingSystemVersion& system) {
    if (system.type() != QOperatingSystemVersion::Windows)
        return WindowsVersion{10, 0};
    if (system.majorVersion() < 0)
        return std::nullopt;
    // A version without its minor number is that version's first release: 10 is 10.0.
    return WindowsVersion{static_cast<std::uint32_t>(system.majorVersion()),
                          static_cast<std::uint32_t>(std::max(system.minorVersion(), 0))};
}

std::optional<WindowsVersion> SystemVersionQuery::query() {
    return versionRecord(QOperatingSystemVersion::current());
}

} // namespace kelvaron::gui
