#include "core/audit/RedcapTable.h"

#include "core/text/NumberConversion.h"

#include <algorithm>
#include <optional>
#include <set>

namespace kelvaron {
namespace {

std::optional<std::int32_t> accessGroupId(std::string_view number) {
    const bool digitsOnly = !number.empty() && std::all_of(number.begin(), number.end(),
                                                           [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly)
        return std::nullopt;
    const auto value = strictInt32(number);
    if (!value || *value < 1)
        return std::nullopt;
    return value;
}

std::string centerName(const ListRecord& list) {
    std::string name = "\"" + list.centerNumber + "\"";
    if (!list.centerDescription.empty())
        name.append(" ").append(list.centerDescription);
    return name;
}

bool hasUnassigned(const ListRecord& list, std::size_t armCount) {
    return std::any_of(list.patientArms.begin(), list.patientArms.end(),
                       [&](std::int32_t arm) { return arm < 1 || static_cast<std::size_t>(arm) > armCount; });
}

} // namespace

std::variant<std::string, CatalogueMessage> redcapTable(const GenerationRecord& record) {
    const bool perCenter = std::any_of(record.lists.begin(), record.lists.end(),
                                       [](const ListRecord& list) { return list.perCenter; });
    std::vector<std::string> groups; // the data access group of each list, as written
    std::set<std::int32_t> seen;
    for (const auto& list : record.lists) {
        if (!perCenter)
            break;
        const auto id = accessGroupId(list.centerNumber);
        if (!id)
            return CatalogueMessage{"MessageRedcapCenterNumber", centerName(list)};
        if (!seen.insert(*id).second)
            return CatalogueMessage{"MessageRedcapCenterTwice", centerName(list)};
        groups.push_back(std::to_string(*id));
    }
    for (const auto& list : record.lists) {
        if (hasUnassigned(list, record.armRatios.size()))
            return CatalogueMessage{"MessageRedcapUnassigned", std::string()};
    }

    std::string table = "redcap_randomization_number,redcap_randomization_group";
    if (perCenter)
        table.append(",redcap_data_access_group");
    table.append("\r\n");
    for (std::size_t l = 0; l < record.lists.size(); ++l) {
        for (std::int32_t arm : record.lists[l].patientArms) {
            table.append(",").append(std::to_string(arm));
            if (perCenter)
                table.append(",").append(groups[l]);
            table.append("\r\n");
        }
    }
    return table;
}

} // namespace kelvaron
