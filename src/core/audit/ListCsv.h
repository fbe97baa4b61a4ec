// The list as a table for other programs: UTF-8 without byte-order mark, comma separated, CR LF, one row
// per patient in list order under the header
//   center_number,center_description,patient,arm,arm_description,block,block_size,position_in_block
// A single list leaves the two center columns empty. Patients count from 1 in every list, blocks from 1
// in every list, block_size is the block's planned size (a cut last block shows fewer positions).
// A position the allocation left unassigned has arm 0 and an empty arm_description: it belongs to no arm,
// whatever the list text shows in that column.
#pragma once

#include "core/audit/GenerationRecord.h"

#include <string>
#include <string_view>

namespace kelvaron {

inline constexpr std::string_view kListCsvHeader =
    "center_number,center_description,patient,arm,arm_description,block,block_size,position_in_block";

[[nodiscard]] std::string listCsv(const GenerationRecord& record);

} // namespace kelvaron
