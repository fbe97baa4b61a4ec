// Shows the model's state in the widgets. Widgets are only written where they differ from the model, so a
// field being typed in keeps its cursor, and their change signals are blocked while they are written.
#include "gui/QtText.h"
#include "gui/TFormKelvaron.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <span>

namespace kelvaron::gui {
namespace {

void display(QLineEdit* field, std::string_view text) {
    const QString shown = qtText(text);
    if (field->text() == shown)
        return;
    const QSignalBlocker blocker(field);
    field->setText(shown);
}

void display(QLineEdit* field, std::string_view text, bool usable) {
    display(field, text);
    field->setEnabled(usable);
}

void display(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void showCell(QTableWidget* grid, int row, int column, std::string_view text) {
    const QString shown = qtText(text);
    QTableWidgetItem* item = grid->item(row, column);
    if (!item)
        grid->setItem(row, column, new QTableWidgetItem(shown));
    else if (item->text() != shown)
        item->setText(shown);
}

void showHeader(QTableWidget* grid, std::span<const std::string> header) {
    for (std::size_t column = 0; column < header.size(); ++column) {
        const QString shown = qtText(header[column]);
        QTableWidgetItem* item = grid->horizontalHeaderItem(static_cast<int>(column));
        if (!item)
            grid->setHorizontalHeaderItem(static_cast<int>(column), new QTableWidgetItem(shown));
        else if (item->text() != shown)
            item->setText(shown);
    }
}

// The model's row n (from 1) is the grid's row n - 1; 0 means that no row is selected.
void showCurrentRow(QTableWidget* grid, std::int32_t row) {
    if (row < 1) {
        grid->clearSelection();
        grid->setCurrentItem(nullptr);
        return;
    }
    if (grid->currentRow() != row - 1 || grid->selectedItems().isEmpty())
        grid->setCurrentCell(row - 1, 0);
}

} // namespace

void TFormKelvaron::refreshFromModel() {
    const QScopedValueRollback guard(refreshing_, true);
    refreshPages();
    refreshDesignFields();
    refreshArms();
    refreshCenters();
    refreshBlocksAndSeed();
    if (model_.takeListViewClearing())
        w_.richEditList->clear();
    applyFocus();
}

void TFormKelvaron::refreshPages() {
    const QSignalBlocker blocker(w_.pageControl1);
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        const PageState& state = model_.page(kPages[i]);
        w_.pageControl1->setTabVisible(static_cast<int>(i), state.tabVisible);
        w_.pageControl1->setTabEnabled(static_cast<int>(i), state.enabled);
    }
    w_.pageControl1->setCurrentIndex(static_cast<int>(model_.activePage()));
}

void TFormKelvaron::refreshDesignFields() {
    const TStudyDesign& design = model_.design;
    display(w_.editStudName, design.studyName);
    display(w_.editAnz, design.patientCount);
    display(w_.editArme, design.armCount);
    display(w_.checkBoxZentren, design.perCenterLists);
    display(w_.editZentren, design.centerCount, model_.usable().editZentren);
}

void TFormKelvaron::refreshArms() {
    const QScopedValueRollback guard(refreshing_, true);
    QTableWidget* grid = w_.stringGridArme;
    {
        const QSignalBlocker blocker(grid);
        showHeader(grid, model_.armsHeader());
        const auto arms = model_.design.arms.visible();
        grid->setRowCount(static_cast<int>(arms.size()));
        for (std::size_t i = 0; i < arms.size(); ++i) {
            const int row = static_cast<int>(i);
            showCell(grid, row, 0, arms[i].label);
            showCell(grid, row, 1, arms[i].description);
            showCell(grid, row, 2, arms[i].ratio);
        }
        showCurrentRow(grid, model_.armsRow());
    }
    display(w_.editCArm, model_.armFields().editCArm);
    display(w_.editCBeschr, model_.armFields().editCBeschr);
    display(w_.editCRatio, model_.armFields().editCRatio);
}

void TFormKelvaron::refreshCenters() {
    const QScopedValueRollback guard(refreshing_, true);
    QTableWidget* grid = w_.stringGridZentren;
    {
        const QSignalBlocker blocker(grid);
        showHeader(grid, model_.centersHeader());
        const auto centers = model_.design.centers.visible();
        grid->setRowCount(static_cast<int>(centers.size()));
        for (std::size_t i = 0; i < centers.size(); ++i) {
            const int row = static_cast<int>(i);
            showCell(grid, row, 0, centers[i].label);
            showCell(grid, row, 1, centers[i].number);
            showCell(grid, row, 2, centers[i].description);
            showCell(grid, row, 3, centers[i].plannedSize);
        }
        showCurrentRow(grid, model_.centersRow());
    }
    // The grid has been drawn anew, which brings the sum of the planned sizes up to date.
    model_.StringGridZentrenDrawCell();
    display(w_.editSumme, model_.editSumme());
    display(w_.editAZentrum, model_.centerFields().editAZentrum);
    display(w_.editANummer, model_.centerFields().editANummer);
    display(w_.editABeschr, model_.centerFields().editABeschr);
    display(w_.editAFallzahl, model_.centerFields().editAFallzahl);
}

void TFormKelvaron::refreshBlocksAndSeed() {
    const TStudyDesign& design = model_.design;
    {
        // Both buttons at once: checking one unchecks the other, which would signal otherwise.
        const QSignalBlocker fixedBlocker(w_.radioButton1);
        const QSignalBlocker variableBlocker(w_.radioButton2);
        (design.blockMode == BlockMode::Fixed ? w_.radioButton1 : w_.radioButton2)->setChecked(true);
    }
    display(w_.editFix, design.fixedBlockSize, model_.usable().editFix);
    display(w_.editVon, design.minBlockSize, model_.usable().editVon);
    display(w_.editBis, design.maxBlockSize, model_.usable().editBis);
    display(w_.editZZ, design.seed);
    display(w_.checkBoxBlocks, model_.options.markBlocks);
    display(w_.checkBoxSeed, model_.options.printSeed);
}

void TFormKelvaron::applyFocus() {
    QWidget* target = nullptr;
    switch (model_.takeFocus()) {
    case FocusTarget::None:
        return;
    case FocusTarget::EditAnz:
        target = w_.editAnz;
        break;
    case FocusTarget::EditCBeschr:
        target = w_.editCBeschr;
        break;
    case FocusTarget::EditABeschr:
        target = w_.editABeschr;
        break;
    }
    target->setFocus();
}

} // namespace kelvaron::gui
