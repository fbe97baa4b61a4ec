#include "core/startup/WindowsVersion.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

struct VersionCase {
    std::optional<WindowsVersion> version;
    bool supported;
};

TEST(IsWindowsVersionSupported, AcceptsExactlyWindows7To10) {
    const VersionCase cases[] = {
        {std::nullopt, false},
        {WindowsVersion{5, 1}, false},
        {WindowsVersion{6, 0}, false},
        {WindowsVersion{6, 1}, true},
        {WindowsVersion{6, 2}, true},
        {WindowsVersion{6, 3}, true},
        {WindowsVersion{10, 0}, true},
        {WindowsVersion{10, 1}, true},
        {WindowsVersion{10, 2}, false},
        {WindowsVersion{11, 0}, false},
        // 429496730 * 10 wraps to 4 in 32 bits; it must not count as supported.
        {WindowsVersion{429496730, 70}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsWindowsVersionSupported(c.version), c.supported)
            << (c.version ? std::to_string(c.version->major) + "." + std::to_string(c.version->minor)
                          : "failed query");
    }
}

} // namespace
} // namespace kelvaron
