// The circumstances a generation report states beside the record: the program, the time, the user, the
// design file and the exported list's digest, gathered from the system at the moment the report is made.
#pragma once

#include "core/audit/GenerationRecord.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaron {

// The running program. All texts UTF-8.
struct ProgramIdentity {
    std::string name;
    std::string version;
    std::string sha256Hex; // of the program file; empty when it cannot be read
    bool operator==(const ProgramIdentity&) const = default;
};

// The program named `name` in version `version`, with the digest of the file at `programFile`.
[[nodiscard]] ProgramIdentity programIdentity(std::string name, std::string version,
                                              const std::filesystem::path& programFile);

// The SHA-256 of a file's bytes, or nullopt when it cannot be read.
[[nodiscard]] std::optional<std::string> fileSha256Hex(const std::filesystem::path& path);

// `calendarSeconds` as local time in ISO 8601 with the UTC offset, e.g. 2025-03-14T09:26:53+01:00.
[[nodiscard]] std::string localIsoTimestamp(std::int64_t calendarSeconds);

// The operating-system user from the environment (USER, LOGNAME or USERNAME); empty when none is set.
[[nodiscard]] std::string operatingSystemUser();

// The facts of a report of the list `listText` (Windows-1252, LF after every line, as generated).
// `designFile` is the file the design came from, stated with its absolute path; a file that cannot be read
// any more is left out.
[[nodiscard]] ReportFacts reportFacts(const ProgramIdentity& program, bool selftestPassed,
                                      std::int64_t calendarSeconds,
                                      const std::optional<std::filesystem::path>& designFile,
                                      std::string_view listText);

} // namespace kelvaron
