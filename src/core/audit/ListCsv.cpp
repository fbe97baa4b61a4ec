#include "core/audit/ListCsv.h"

#include "core/audit/BlockCursor.h"
#include "core/audit/CsvField.h"
#include "core/text/CodePage.h"

#include <vector>

namespace kelvaron {
namespace {

// Number fields are never quoted; an empty text stands for "none" (past the block plan).
void appendNumber(std::string& row, std::int64_t value, bool present = true) {
    if (present)
        row.append(std::to_string(value));
}

} // namespace

std::string listCsv(const GenerationRecord& record) {
    std::vector<std::string> descriptions{std::string()}; // arm 0: unassigned
    for (const auto& arm : record.design.arms.visible())
        descriptions.push_back(utf8FromCp1252(arm.description));

    std::string csv(kListCsvHeader);
    csv.append(kCsvRowEnd);
    for (const auto& list : record.lists) {
        std::string center;
        if (list.perCenter) {
            appendCsvField(center, utf8FromCp1252(list.centerNumber));
            center.push_back(',');
            appendCsvField(center, utf8FromCp1252(list.centerDescription));
        } else {
            center.push_back(',');
        }
        BlockCursor cursor(list.blockSizes);
        for (std::size_t i = 0; i < list.patientArms.size(); ++i) {
            cursor.advance();
            const std::int32_t arm = list.patientArms[i];
            const bool named = arm >= 0 && static_cast<std::size_t>(arm) < descriptions.size();
            const bool inBlock = cursor.block() != 0;
            csv.append(center).push_back(',');
            appendNumber(csv, static_cast<std::int64_t>(i) + 1);
            csv.push_back(',');
            appendNumber(csv, arm);
            csv.push_back(',');
            appendCsvField(csv, named ? descriptions[static_cast<std::size_t>(arm)] : std::string());
            csv.push_back(',');
            appendNumber(csv, cursor.block(), inBlock);
            csv.push_back(',');
            appendNumber(csv, cursor.blockSize(), inBlock);
            csv.push_back(',');
            appendNumber(csv, cursor.positionInBlock(), inBlock);
            csv.append(kCsvRowEnd);
        }
    }
    return csv;
}

} // namespace kelvaron
