#include "core/audit/ReportCircumstances.h"

#include "core/engine/ExportText.h"
#include "core/file/AtomicFile.h"
#include "core/text/Sha256.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace kelvaron {
namespace {

// Program files and design files are read whole; nothing this program reads comes near this size.
constexpr std::size_t kMaxHashedFileBytes = std::size_t{1} << 30;

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// The fields of a broken-down time read as if they were UTC, in seconds since 1970.
std::int64_t secondsOfFields(const std::tm& fields) {
    return daysFromCivil(std::int64_t{fields.tm_year} + 1900, static_cast<unsigned>(fields.tm_mon + 1),
                         static_cast<unsigned>(fields.tm_mday)) *
               86400 +
           fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec;
}

} // namespace

std::optional<std::string> fileSha256Hex(const std::filesystem::path& path) {
    const ReadFileResult file = readWholeFile(path, kMaxHashedFileBytes);
    if (file.status != ReadFileStatus::Read)
        return std::nullopt;
    return Sha256::hexOf(file.bytes);
}

ProgramIdentity programIdentity(std::string name, std::string version,
                                const std::filesystem::path& programFile) {
    return {std::move(name), std::move(version), fileSha256Hex(programFile).value_or(std::string())};
}

std::string localIsoTimestamp(std::int64_t calendarSeconds) {
    const auto time = static_cast<std::time_t>(calendarSeconds);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&time))
        local = *converted;
    const std::int64_t offsetMinutes = (secondsOfFields(local) - calendarSeconds) / 60;
    const std::int64_t offset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02lld:%02lld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  offsetMinutes < 0 ? '-' : '+', static_cast<long long>(offset / 60),
                  static_cast<long long>(offset % 60));
    return text;
}

std::string operatingSystemUser() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

ReportFacts reportFacts(const ProgramIdentity& program, bool selftestPassed, std::int64_t calendarSeconds,
                        const std::optional<std::filesystem::path>& designFile, std::string_view listText) {
    ReportFacts facts;
    facts.programName = program.name;
    facts.programVersion = program.version;
    facts.programSha256Hex = program.sha256Hex;
    facts.selftestPassed = selftestPassed;
    facts.timestamp = localIsoTimestamp(calendarSeconds);
    facts.user = operatingSystemUser();
    if (designFile) {
        if (auto digest = fileSha256Hex(*designFile)) {
            std::error_code error;
            const auto absolute = std::filesystem::absolute(*designFile, error);
            const auto utf8 = (error ? *designFile : absolute).u8string();
            facts.designFile = DesignFileRecord{
                std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size()), std::move(*digest)};
        }
    }
    facts.exportedListSha256Hex = Sha256::hexOf(exportText(listText));
    return facts;
}

} // namespace kelvaron
