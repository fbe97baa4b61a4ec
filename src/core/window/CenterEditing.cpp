// The centers page: the center fields below the grid, the running sum of the planned sizes, and the
// check on leaving the page that compares the sum with the study's patient count.
#include "core/engine/Int32.h"
#include "core/text/NumberConversion.h"
#include "core/window/MainWindowModel.h"

namespace kelvaron {

void MainWindowModel::fillCenterFields() {
    if (!design.centers.contains(centersRow)) {
        centerFields = {};
        return;
    }
    const auto& center = design.centers.at(centersRow);
    centerFields = {center.label, center.number, center.description, center.plannedSize};
}

void MainWindowModel::StringGridZentrenClick(std::int32_t row) {
    centersRow = clampRow(row, design.centers.length());
    fillCenterFields();
    focus = FocusTarget::EditABeschr;
}

void MainWindowModel::EditANummerChange(std::string_view text) {
    centerFields.editANummer = text;
    design.centers.store(centersRow, &TStudyCenter::number, text);
}

void MainWindowModel::EditABeschrChange(std::string_view text) {
    centerFields.editABeschr = text;
    design.centers.store(centersRow, &TStudyCenter::description, text);
}

void MainWindowModel::EditAFallzahlChange(std::string_view text) {
    centerFields.editAFallzahl = text;
    if (design.centers.store(centersRow, &TStudyCenter::plannedSize, text))
        updateCenterSum(); // the changed cell is redrawn, which recomputes the sum
}

void MainWindowModel::updateCenterSum() {
    std::int32_t sum = 0;
    for (const auto& center : design.centers.visible())
        sum = int32::add(sum, lenientInt32(center.plannedSize));
    editSumme = std::to_string(sum);
}

void MainWindowModel::TabSheetZentrenExit() {
    if (!design.perCenterLists)
        return;
    const std::int32_t sum = lenientInt32(editSumme);
    if (sum == 0) {
        messages_.show("MessageExpectedSampleSize");
        return;
    }
    if (sum > working.patientCount && messages_.ask("MessageSampleSizeError")) {
        working.patientCount = sum;
        design.patientCount = std::to_string(sum);
    }
    if (sum < working.patientCount)
        messages_.show("MessageSampleSizeError2");
}

} // namespace kelvaron
