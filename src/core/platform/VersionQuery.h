// The system's version record, behind an interface so that the start-up check runs without a system.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvaron {

// The major and minor number of the system's version record.
struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    bool operator==(const WindowsVersion&) const = default;
};

// Asks the system for its version.
class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    // The version record, or nullopt when the system does not give it.
    [[nodiscard]] virtual std::optional<WindowsVersion> query() = 0;
};

} // namespace kelvaron
