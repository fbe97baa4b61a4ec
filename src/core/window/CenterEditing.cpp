// The centers page: the center fields below the grid, the running sum of the planned sizes, and the
// check on leaving the page that compares the sum with the study's patient count.
#include "core/engine/Int32.h"
#include "core/text/NumberConversion.h"
#include "core/window/MainWindowModel.h"

namespace kelvaron {

void MainWindowModel::fillCenterFields() {
    if (!design.centers.contains(centersRow_)) {
        centerFields_ = {};
        return;
    }
    const auto& center = design.centers.at(centersRow_);
    centerFields_ = {center.label, center.number, center.description, center.plannedSize};
}

void MainWindowModel::StringGridZentrenClick(std::int32_t row) {
    centersRow_ = clampRow(row, design.centers.length());
    fillCenterFields();
    focus_ = FocusTarget::EditABeschr;
}

void MainWindowModel::EditANummerChange(std::string_view text) {
    centerFields_.editANummer = text;
    design.centers.store(centersRow_, &TStudyCenter::number, text);
}

void MainWindowModel::EditABeschrChange(std::string_view text) {
    centerFields_.editABeschr = text;
    design.centers.store(centersRow_, &TStudyCenter::description, text);
}

void MainWindowModel::EditAFallzahlChange(std::string_view text) {
    centerFields_.editAFallzahl = text;
    if (design.centers.store(centersRow_, &TStudyCenter::plannedSize, text))
        updateCenterSum(); // the changed cell is redrawn, which recomputes the sum
}

void MainWindowModel::updateCenterSum() {
    std::int32_t sum = 0;
    for (const auto& center : design.centers.visible())
        sum = int32::add(sum, lenientInt32(center.plannedSize));
    editSumme_ = std::to_string(sum);
}

void MainWindowModel::TabSheetZentrenExit() {
    if (!design.perCenterLists)
        return;
    const std::int32_t sum = lenientInt32(editSumme_);
    if (sum == 0) {
        messages_.show("MessageExpectedSampleSize");
        return;
    }
    if (sum > working_.patientCount && messages_.ask("MessageSampleSizeError")) {
        working_.patientCount = sum;
        design.patientCount = std::to_string(sum);
    }
    if (sum < working_.patientCount)
        messages_.show("MessageSampleSizeError2");
}

} // namespace kelvaron
