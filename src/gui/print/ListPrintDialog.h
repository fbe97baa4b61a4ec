// The print dialog of the printed list: printer, paper, copies and a PDF file, but no page range and no
// selection, so that a print always holds every page of the list.
#pragma once

#include <QPrintDialog>

class QPrinter;
class QWidget;

namespace kelvaron::gui {

class ListPrintDialog final : public QPrintDialog {
public:
    ListPrintDialog(QPrinter& printer, QWidget* parent);

    void setVisible(bool visible) override;
};

} // namespace kelvaron::gui
