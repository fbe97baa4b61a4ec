// Runs a piece of a test as an ordinary user. Root may write a read-only file, so a test of what a
// write-protected file does to an ordinary user drops root's rights in a child process first.
#pragma once

#include <functional>
#include <grp.h>
#include <optional>
#include <string>
#include <sys/wait.h>
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
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (!becomeOrdinaryUser())
            ::_exit(2);
        const std::string report = scenario();
        const bool sent =
            ::write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t got = 0; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return report;
}

} // namespace kelvaron::test
