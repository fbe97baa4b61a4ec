// The allocation table that REDCap's randomization module imports: a CSV (UTF-8, comma, CR LF) with the
// header redcap_randomization_number,redcap_randomization_group and, for per-center lists,
// redcap_data_access_group; one row per patient in list order, the number column empty, the arm's number
// as the group code and the center number as the data access group id.
#pragma once

#include "core/audit/GenerationRecord.h"

#include <string>
#include <variant>

namespace kelvaron {

// A catalogue message to show instead of a result: the text of `key`, one blank and `suffix`
// (Windows-1252) when the suffix is not empty.
struct CatalogueMessage {
    std::string key;
    std::string suffix;
    bool operator==(const CatalogueMessage&) const = default;
};

// The table, or the reason it cannot be made:
// - MessageRedcapCenterNumber: a center number is not decimal digits alone with a value from 1 to
//   2147483647 (leading zeros are allowed and dropped: "007" is group 7);
// - MessageRedcapCenterTwice: two centers have the same number, which would merge their allocations;
// - MessageRedcapUnassigned: a list has a position without an arm, which REDCap would take as a group.
// The suffix of the first two names the center: its number in double quotes and its description.
[[nodiscard]] std::variant<std::string, CatalogueMessage> redcapTable(const GenerationRecord& record);

} // namespace kelvaron
