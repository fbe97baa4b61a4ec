#include "gui/print/QtFormDruck.h"

#include "gui/QtText.h"
#include "gui/TFormKelvaron.h"
#include "gui/print/QtPrinterDevice.h"
#include "gui/print/ShortDate.h"
#include "platform/Prompter.h"
#include "print/TFormDruck.h"

#include <QPrintDialog>

namespace kelvaron::gui {

QtFormDruck::QtFormDruck(TFormKelvaron& window, Prompter& prompter) : window_(window), prompter_(prompter) {
    connect(&window_, &TFormKelvaron::printRequested, this, &QtFormDruck::Button2Click);
}

void QtFormDruck::Button2Click() {
    QPrintDialog printDialog1(&printer_, &window_);
    printDialog1.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                            QAbstractPrintDialog::PrintCollateCopies);
    if (printDialog1.exec() != QDialog::Accepted)
        return;

    const PrintSource source{window_.listViewText(), window_.model().centerLinePrefix,
                             window_.model().blockSeparatorLine, coreText(window_.windowTitle())};
    QtPrinterDevice device(printer_);
    if (const PrintStatus status = printList(device, source, todayShortDate()); !status.ok())
        prompter_.error(status.message());
}

} // namespace kelvaron::gui
