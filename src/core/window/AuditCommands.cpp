// The report and the tables of the generated list, from the main window's commands.
#include "core/audit/AuditFiles.h"
#include "core/platform/Clock.h"
#include "core/platform/FileChooser.h"
#include "core/platform/Prompter.h"
#include "core/text/PathText.h"
#include "core/window/ListExport.h"
#include "core/window/MainWindowModel.h"

namespace kelvaron {
namespace {

bool written(WriteFileStatus status, const std::filesystem::path& path, Prompter& prompter) {
    if (status == WriteFileStatus::Written)
        return true;
    prompter.error(cannotWriteMessage(path));
    return false;
}

} // namespace

bool MainWindowModel::viewShowsGeneration(std::string_view listViewText) const {
    // A list view emptied by a command other than "Generieren" holds no generated list either.
    if (!generation_ || listText.empty()) {
        messages_.show("MessageNoGeneratedList");
        return false;
    }
    if (listViewText != listText) {
        messages_.show("MessageListEdited");
        return false;
    }
    return true;
}

bool MainWindowModel::exportList(const ExportChoice& choice, std::string_view listViewText) {
    if (choice.type == ExportType::Text)
        return kelvaron::exportList(choice.path, listViewText, messages_.prompter());
    if (!viewShowsGeneration(listViewText))
        return false;
    if (choice.type == ExportType::Csv)
        return written(writeListCsv(choice.path, *generation_), choice.path, messages_.prompter());
    auto status = writeRedcapTable(choice.path, *generation_);
    if (const auto* refused = std::get_if<CatalogueMessage>(&status)) {
        messages_.show(refused->key, refused->suffix);
        return false;
    }
    return written(std::get<WriteFileStatus>(status), choice.path, messages_.prompter());
}

bool MainWindowModel::saveReport(const std::filesystem::path& path, std::string_view listViewText,
                                 const ProgramIdentity& program) {
    if (!viewShowsGeneration(listViewText))
        return false;
    const ReportFacts facts =
        reportFacts(program, selftestPassed, clock_.calendarSeconds(), generationDesignFile_, listText);
    return written(writeGenerationReport(path, *generation_, facts, formLang_), path, messages_.prompter());
}

} // namespace kelvaron
