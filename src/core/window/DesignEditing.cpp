// The design, arms and blocks pages: the check on leaving the design page, the per-center and
// block-mode rules, and the arm fields below the arms grid.
#include "core/design/Limits.h"
#include "core/text/NumberConversion.h"
#include "core/window/MainWindowModel.h"

namespace kelvaron {
bool MainWindowModel::TabSheetDesignExit() {
    if (design.seed.empty())
        ButtonZZClick();

    const auto armCount = strictInt32(design.armCount);
    if (!armCount) {
        messages_.show("MessageArmCount");
        return false;
    }
    if (*armCount > limits::kMaxArms) {
        messages_.show("MessageArmCountRange");
        return false;
    }
    working.armCount = *armCount;
    const auto patientCount = strictInt32(design.patientCount);
    if (!patientCount) {
        messages_.show("MessagePatientCount");
        return false;
    }
    working.patientCount = *patientCount;
    bool stayOnPage = false;
    if (working.armCount > working.patientCount) {
        messages_.show("MessageArmPatientCount");
        stayOnPage = true;
    }

    design.arms.setLength(working.armCount);
    armsRow = clampRow(armsRow, design.arms.length());
    armsHeader = {caption("LabelArm"), caption("LabelArmDescr"), caption("LabelRatio")};
    const std::string armLabel = caption("LabelArm");
    for (std::int32_t n = 1; n <= design.arms.length(); ++n) {
        auto& arm = design.arms.at(n);
        arm.label = armLabel + " " + std::to_string(n);
        if (arm.ratio.empty())
            arm.ratio = "1";
    }
    if (!design.perCenterLists)
        return !stayOnPage;

    pageState(Page::Zentren) = {true, true};
    const auto centerCount = strictInt32(design.centerCount);
    if (!centerCount) {
        messages_.show("MessageCenterCount");
        return false;
    }
    if (*centerCount > limits::kMaxCenters) {
        messages_.show("MessageCenterCountRange");
        return false;
    }
    working.centerCount = *centerCount;
    design.centers.setLength(working.centerCount);
    centersRow = clampRow(centersRow, design.centers.length());
    writeCentersHeader();
    const std::string centerLabel = caption("LabelCenter");
    for (std::int32_t n = 1; n <= design.centers.length(); ++n) {
        auto& center = design.centers.at(n);
        if (center.label.empty())
            center.label = centerLabel + " " + std::to_string(n);
        if (center.number.empty())
            center.number = std::to_string(n);
    }
    return !stayOnPage;
}

std::int32_t MainWindowModel::clampRow(std::int32_t row, std::int32_t length) {
    if (length < 1)
        return 0;
    return row < 1 ? 1 : (row > length ? length : row);
}

void MainWindowModel::writeCentersHeader() {
    centersHeader = {caption("LabelCenter"), caption("LabelCenterId"), caption("LabelCenterDescr"),
                     caption("LabelSampleSize")};
}

void MainWindowModel::CheckBoxZentrenClick() {
    CheckBoxZentrenKeyDown();
    if (design.perCenterLists) {
        pageState(Page::Zentren).tabVisible = true;
    } else {
        working.centerCount = 1;
        hideCentersPage();
    }
}

void MainWindowModel::CheckBoxZentrenKeyDown() {
    pageState(Page::Zentren).enabled = design.perCenterLists;
    usable.editZentren = design.perCenterLists;
}

void MainWindowModel::RadioButton1MouseUp() {
    const bool variable = design.blockMode == BlockMode::Variable;
    usable.editFix = !variable;
    usable.editVon = variable;
    usable.editBis = variable;
}

void MainWindowModel::fillArmFields() {
    if (!design.arms.contains(armsRow)) {
        armFields = {};
        return;
    }
    const auto& arm = design.arms.at(armsRow);
    armFields = {arm.label, arm.description, arm.ratio};
}

void MainWindowModel::StringGridArmeClick(std::int32_t row) {
    armsRow = clampRow(row, design.arms.length());
    fillArmFields();
    focus = FocusTarget::EditCBeschr;
}

void MainWindowModel::EditCBeschrChange(std::string_view text) {
    armFields.editCBeschr = text;
    design.arms.store(armsRow, &TStudyArm::description, text);
}

void MainWindowModel::EditCRatioChange(std::string_view text) {
    armFields.editCRatio = text;
    design.arms.store(armsRow, &TStudyArm::ratio, text);
}

} // namespace kelvaron
