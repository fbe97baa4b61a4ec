#include "gui/print/ListPrintDialog.h"

#include <QWidget>

namespace kelvaron::gui {

ListPrintDialog::ListPrintDialog(QPrinter& printer, QWidget* parent) : QPrintDialog(&printer, parent) {
    setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
               QAbstractPrintDialog::PrintCollateCopies);
    setPrintRange(QAbstractPrintDialog::AllPages);
}

// With CUPS, Qt offers a page range and odd or even pages even when the options leave the page range out,
// and sets the widgets up again at every showing; they are hidden after that.
void ListPrintDialog::setVisible(bool visible) {
    QPrintDialog::setVisible(visible);
    if (!visible)
        return;
    for (const char* name : {"gbPrintRange", "pageSetCombo", "pageSetLabel"}) {
        if (auto* widget = findChild<QWidget*>(QLatin1String(name)))
            widget->hide();
    }
}

} // namespace kelvaron::gui
