// The controls of the main window FormKelvaron, each named after its component, laid out on the seven
// pages of PageControl1 and in the two button rows below them. Texts come later from the form table.
#pragma once

#include "gui/ListView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

namespace kelvaron::gui {

class ClickableLabel;

struct FormKelvaronWidgets {
    QTabWidget* pageControl1 = nullptr;

    QLineEdit* editStudName = nullptr;
    QLineEdit* editAnz = nullptr;
    QLineEdit* editArme = nullptr;
    QCheckBox* checkBoxZentren = nullptr;
    QLineEdit* editZentren = nullptr;
    QLabel* imageLogo1 = nullptr;

    QTableWidget* stringGridArme = nullptr;
    QLineEdit* editCArm = nullptr;
    QLineEdit* editCBeschr = nullptr;
    QLineEdit* editCRatio = nullptr;

    QTableWidget* stringGridZentren = nullptr;
    QLineEdit* editSumme = nullptr;
    QLineEdit* editAZentrum = nullptr;
    QLineEdit* editANummer = nullptr;
    QLineEdit* editABeschr = nullptr;
    QLineEdit* editAFallzahl = nullptr;

    QRadioButton* radioButton1 = nullptr;
    QRadioButton* radioButton2 = nullptr;
    QLineEdit* editFix = nullptr;
    QLineEdit* editVon = nullptr;
    QLineEdit* editBis = nullptr;

    QLineEdit* editZZ = nullptr;
    QPushButton* buttonZZ = nullptr;
    QLabel* labelMinMaxSeed = nullptr;

    QPushButton* bitBtnStart = nullptr;
    QCheckBox* checkBoxBlocks = nullptr;
    QCheckBox* checkBoxSeed = nullptr;
    ListView* richEditList = nullptr;
    QPushButton* bitBtnExport = nullptr;
    QPushButton* bitBtnReport = nullptr;
    QPushButton* bitBtnPrint = nullptr;
    QPushButton* bitBtnClipboard = nullptr;

    QLabel* imageLogo = nullptr;
    QLabel* imageLogo2 = nullptr;
    ClickableLabel* labelWWW = nullptr;
    QPushButton* bitBtnSelftest = nullptr;

    QPushButton* bitBtnBack = nullptr;
    QPushButton* bitBtnNext = nullptr;
    QPushButton* bitBtnLoad = nullptr;
    QPushButton* bitBtnSave = nullptr;
    QPushButton* bitBtnClose = nullptr;
};

// Creates the controls as children of `form` and gives `form` its fixed client size of 674 x 425.
// The pages are added to PageControl1 in the order of Back and Next. The logo images show the built-in
// pictures, or "logo_med.bmp" of the working directory where it replaces them.
[[nodiscard]] FormKelvaronWidgets buildFormKelvaron(QWidget& form);

} // namespace kelvaron::gui
