#include "core/audit/AuditFiles.h"

#include "core/audit/GenerationReport.h"
#include "core/audit/ListCsv.h"

namespace kelvaron {

WriteFileStatus writeGenerationReport(const std::filesystem::path& path, const GenerationRecord& record,
                                      const ReportFacts& facts, const FormTable& formLang) {
    return writeFileAtomically(path, generationReport(record, facts, formLang));
}

WriteFileStatus writeListCsv(const std::filesystem::path& path, const GenerationRecord& record) {
    return writeFileAtomically(path, listCsv(record));
}

std::variant<WriteFileStatus, CatalogueMessage> writeRedcapTable(const std::filesystem::path& path,
                                                                 const GenerationRecord& record) {
    auto table = redcapTable(record);
    if (auto* refused = std::get_if<CatalogueMessage>(&table))
        return std::move(*refused);
    return writeFileAtomically(path, std::get<std::string>(table));
}

} // namespace kelvaron
