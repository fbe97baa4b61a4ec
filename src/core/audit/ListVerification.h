// Compares a list file a user gives with the list regenerated from its design. The file may be an export
// (Windows-1252, CR LF), the tool's standard output (UTF-8, LF) or the CSV table of ListCsv.h; its form
// is told from its bytes. Lines are compared exactly; a missing line break after the last line is no
// difference, since editors and the list view differ in keeping it.
#pragma once

#include "core/audit/GenerationRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaron {

enum class ListFileForm {
    Export,         // Windows-1252, every line ended by CR LF
    StandardOutput, // UTF-8, every line ended by LF alone
    Csv,            // UTF-8, CR LF, starting with the CSV header row
};

enum class VerifyOutcome {
    Identical,
    Different,
    // Line ends of both kinds (LF with and without CR), or a UTF-8 form that is not valid UTF-8.
    UnreadableForm,
};

struct LineDifference {
    std::int64_t line = 0;               // counted from 1
    std::optional<std::string> expected; // nullopt: the file has a line the regenerated list has not
    std::optional<std::string> found;    // nullopt: the file ends before this line
    bool operator==(const LineDifference&) const = default;
};

struct ListVerification {
    VerifyOutcome outcome = VerifyOutcome::UnreadableForm;
    std::optional<ListFileForm> form; // nullopt when unreadable
    // The first differing line when the outcome is Different. Its texts are Windows-1252, like every text
    // of the core; characters the code page lacks show as "?".
    std::optional<LineDifference> difference;
    bool operator==(const ListVerification&) const = default;
};

// The form of a list file, or nullopt when it has none of the three.
[[nodiscard]] std::optional<ListFileForm> listFileForm(std::string_view fileBytes);

// `listText` is the regenerated list text (Windows-1252, LF after every line, as the list view holds it);
// `regenerated` is the record of the same generation, for the CSV form.
[[nodiscard]] ListVerification verifyListFile(std::string_view listText, const GenerationRecord& regenerated,
                                              std::string_view fileBytes);

} // namespace kelvaron
