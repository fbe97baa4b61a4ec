// The start-up check that the running program's file is the one that was shipped.
#pragma once

namespace kelvaron {

class IntegrityCheck {
public:
    virtual ~IntegrityCheck() = default;
    // True when the program file is intact; any failure to tell counts as not intact.
    [[nodiscard]] virtual bool programFileIntact() = 0;
};

} // namespace kelvaron
