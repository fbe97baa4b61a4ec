#include "gui/startup/SystemVersionQuery.h"

#include <gtest/gtest.h>

namespace kelvaron::test {
namespace {

struct VersionCase {
    QOperatingSystemVersion system;
    std::optional<WindowsVersion> record;
};

TEST(SystemVersionQuery, WindowsGivesItsVersionAndEveryOtherSystemRunsAsWindows10) {
    using OS = QOperatingSystemVersion;
    const VersionCase cases[] = {
        {OS(OS::Windows, 6, 0), WindowsVersion{6, 0}},
        {OS::Windows7, WindowsVersion{6, 1}},
        {OS::Windows8_1, WindowsVersion{6, 3}},
        {OS::Windows10, WindowsVersion{10, 0}},
        {OS(OS::Windows, 10, 2), WindowsVersion{10, 2}},
        {OS(OS::Windows, 10), WindowsVersion{10, 0}},
        {OS(OS::Windows, -1), std::nullopt},
        {OS(OS::MacOS, 14, 0), WindowsVersion{10, 0}},
        {OS(OS::Unknown, 0), WindowsVersion{10, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gui::versionRecord(c.system), c.record) << c.system.name().toStdString();
}

TEST(SystemVersionQuery, TheRunningSystemIsSupported) {
    EXPECT_TRUE(IsWindowsVersionSupported(gui::SystemVersionQuery().query()));
}

} // namespace
} // namespace kelvaron::test
