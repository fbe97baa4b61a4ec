// Runs a piece of a test as an ordinary user. Root may write a read-only file, so a test of what a
// write-protected file does to an ordinary user drops root's rights in a child process first.
#pragma once

#include "support/ChildProcess.h"

#include <functional>
#include <grp.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace kelvaron::test {

// The user and group "nobody" of Debian.
inline constexpr uid_t kOrdinaryUser = 65534;
inline constexpr gid_t kOrdinaryGroup = 65534;

// Gives up root's rights for the rest of this process; true when the process is now an ordinary user.
// Only for a forked child: the change cannot be undone.
inline bool becomeOrdinaryUser() {
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kOrdinaryGroup, kOrdinaryGroup, kOrdinaryGroup) == 0 &&
           ::setresuid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) == 0 && ::geteuid() != 0;
}

// Runs `scenario` in a child process that is an ordinary user and gives the text it returned; nullopt when
// the child could not give up root's rights or did not end normally.
inline std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& scenario) {
    return inChildProcess([&scenario] {
        if (!becomeOrdinaryUser())
            ::_exit(2);
        return scenario();
    });
}

} // namespace kelvaron::test
