#include "core/startup/WindowsVersion.h"

namespace kelvaron {

bool IsWindowsVersionSupported(std::optional<WindowsVersion> version) {
    if (!version)
        return false;
    // 64 bits, so that no pair of 32-bit numbers can wrap around into the supported range.
    const std::uint64_t v = std::uint64_t{version->major} * 10 + version->minor;
    return v > 60 && v < 102;
}

} // namespace kelvaron
