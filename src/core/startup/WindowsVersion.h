// The Windows version check of the start-up: which versions the program runs on.
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

// True exactly when major * 10 + minor lies in 61 ... 101: Windows 7, 8, 8.1 and 10. Vista (6.0) and
// older, a reported 10.2 or later, and a failed query are not supported.
[[nodiscard]] bool IsWindowsVersionSupported(std::optional<WindowsVersion> version);

} // namespace kelvaron
