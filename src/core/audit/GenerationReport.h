// The report of one generation: plain UTF-8 text, one item per line as "label: value", for a person and
// for grep. The labels are catalogue entries (Report...), so a language file translates them. Values are
// written as entered; a control character in a value (other than the tab) is written as \xHH, so no value
// can start a line of its own.
#pragma once

#include "core/audit/GenerationRecord.h"
#include "core/i18n/FormTable.h"

#include <string>

namespace kelvaron {

// The lines, in this order: the title; program, version and program SHA-256; time; user; design file and
// its SHA-256 (when the design came from a file); the generator and the self-test result; every design
// text (title, counts, arms, centers when there is one list per center, block mode and the sizes it uses,
// seed); the list options; every question asked with its answer; the study seed; per list its name,
// seed, patients, patients per arm (and without an arm, when there are any), the block sizes used with
// their counts and the largest deviation from the ratio with its position; last the SHA-256 of the
// exported list.
[[nodiscard]] std::string generationReport(const GenerationRecord& record, const ReportFacts& facts,
                                           const FormTable& formLang);

} // namespace kelvaron
