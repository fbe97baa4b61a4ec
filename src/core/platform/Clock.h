// The calendar clock, behind an interface so that seed proposals can be tested.
#pragma once

#include <cstdint>

namespace kelvaron {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds of the calendar clock (seconds since 1970-01-01 UTC).
    [[nodiscard]] virtual std::int64_t calendarSeconds() = 0;
};

} // namespace kelvaron
