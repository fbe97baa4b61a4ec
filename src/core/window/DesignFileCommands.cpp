// Loading and saving the design file, with the closing steps that every load command ends with.
#include "core/design/file/DesignFile.h"
#include "core/platform/Prompter.h"
#include "core/text/PathText.h"
#include "core/window/MainWindowModel.h"

namespace kelvaron {
void MainWindowModel::loadDesign(const std::optional<std::filesystem::path>& path) {
    if (path) {
        designFile_.reset();
        switch (readDesignFile(*path, design)) {
        case DesignReadStatus::Read:
            designFile_.emplace(*path, design);
            writeCentersHeader();
            RadioButton1MouseUp();
            armsRow_ = clampRow(armsRow_, design.arms.length());
            centersRow_ = clampRow(centersRow_, design.centers.length());
            fillArmFields();
            fillCenterFields();
            // A list belongs to the design it was generated from.
            clearList();
            clearListView_ = true;
            break;
        case DesignReadStatus::CannotOpen:
            messages_.show("MessageErrorFileOpen", pathText(*path));
            break;
        case DesignReadStatus::TooManyEntries:
            messages_.show("MessageErrorFileContent", pathText(*path));
            break;
        }
    }
    CheckBoxZentrenClick();
    showPage(Page::Design);
}

void MainWindowModel::loadNamedDesign(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        loadDesign(path);
        return;
    }
    messages_.show("MessageErrorFileOpen", pathText(path));
    loadDesign(std::nullopt); // the closing steps, as after a cancelled dialog
}

void MainWindowModel::saveDesign(const std::filesystem::path& path) {
    switch (writeDesignFile(path, design)) {
    case DesignWriteStatus::Written:
        designFile_.emplace(path, design);
        return;
    case DesignWriteStatus::CannotPrepare:
        messages_.show("MessageErrorFileSave", pathText(path));
        return;
    case DesignWriteStatus::CannotWrite:
        messages_.prompter().error(cannotWriteMessage(path));
        return;
    }
}

} // namespace kelvaron
