// The real calendar clock.
#pragma once

#include "core/platform/Clock.h"

#include <chrono>

namespace kelvaron {

class SystemClock : public Clock {
public:
    std::int64_t calendarSeconds() override {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace kelvaron
