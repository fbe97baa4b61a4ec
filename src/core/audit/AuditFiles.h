// Writing the report and the two tables of a generation. Each file is written through
// writeFileAtomically: it is replaced completely or left as it was.
#pragma once

#include "core/audit/GenerationRecord.h"
#include "core/audit/RedcapTable.h"
#include "core/file/AtomicFile.h"
#include "core/i18n/FormTable.h"

#include <filesystem>
#include <variant>

namespace kelvaron {

WriteFileStatus writeGenerationReport(const std::filesystem::path& path, const GenerationRecord& record,
                                      const ReportFacts& facts, const FormTable& formLang);

WriteFileStatus writeListCsv(const std::filesystem::path& path, const GenerationRecord& record);

// A refused table (see redcapTable) touches no file; the message says why.
[[nodiscard]] std::variant<WriteFileStatus, CatalogueMessage>
writeRedcapTable(const std::filesystem::path& path, const GenerationRecord& record);

} // namespace kelvaron
