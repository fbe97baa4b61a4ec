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
    working_.armCount = *armCount;
    const auto patientCount = strictInt32(design.patientCount);
    if (!patientCount) {
        messages_.show("MessagePatientCount");
        return false;
    }
    working_.patientCount = *patientCount;
    bool stayOnPage = false;
    if (working_.armCount > working_.patientCount) {
        messages_.show("MessageArmPatientCount");
        stayOnPage = true;
    }

    design.arms.setLength(working_.armCount);
    armsRow_ = clampRow(armsRow_, design.arms.length());
    armsHeader_ = {caption("LabelArm"), caption("LabelArmDescr"), caption("LabelRatio")};
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
    working_.centerCount = *centerCount;
    design.centers.setLength(working_.centerCount);
    centersRow_ = clampRow(centersRow_, design.centers.length());
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
    centersHeader_ = {caption("LabelCenter"), caption("LabelCenterId"), caption("LabelCenterDescr"),
                      caption("LabelSampleSize")};
}

void MainWindowModel::setPerCenterLists(bool perCenter) {
    design.perCenterLists = perCenter;
    CheckBoxZentrenClick();
}

void MainWindowModel::CheckBoxZentrenClick() {
    CheckBoxZentrenKeyDown();
    if (design.perCenterLists) {
        pageState(Page::Zentren).tabVisible = true;
    } else {
        working_.centerCount = 1;
        hideCentersPage();
    }
}

void MainWindowModel::CheckBoxZentrenKeyDown() {
    pageState(Page::Zentren).enabled = design.perCenterLists;
    usable_.editZentren = design.perCenterLists;
}

void MainWindowModel::setBlockMode(BlockMode mode) {
    design.blockMode = mode;
    RadioButton1MouseUp();
}

void MainWindowModel::RadioButton1MouseUp() {
    const bool variable = design.blockMode == BlockMode::Variable;
    usable_.editFix = !variable;
    usable_.editVon = variable;
    usable_.editBis = variable;
}

void MainWindowModel::fillArmFields() {
    if (!design.arms.contains(armsRow_)) {
        armFields_ = {};
        return;
    }
    const auto& arm = design.arms.at(armsRow_);
    armFields_ = {arm.label, arm.description, arm.ratio};
}

void MainWindowModel::StringGridArmeClick(std::int32_t row) {
    armsRow_ = clampRow(row, design.arms.length());
    fillArmFields();
    focus_ = FocusTarget::EditCBeschr;
}

void MainWindowModel::EditCBeschrChange(std::string_view text) {
    armFields_.editCBeschr = text;
    design.arms.store(armsRow_, &TStudyArm::description, text);
}

void MainWindowModel::EditCRatioChange(std::string_view text) {
    armFields_.editCRatio = text;
    design.arms.store(armsRow_, &TStudyArm::ratio, text);
}

} // namespace kelvaron
