// Runs a piece of a test in a forked child process, so that what it changes about its process (rights,
// resource limits, mounts) ends with it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvaron::test {

// Runs `scenario` in a child process and gives the text it returned; nullopt when the child did not end
// normally with exit status 0.
inline std::optional<std::string> inChildProcess(const std::function<std::string()>& scenario) {
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
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
