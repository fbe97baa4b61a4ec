#include "gui/print/QtFormDruck.h"

#include "core/platform/Prompter.h"
#include "core/print/TFormDruck.h"
#include "gui/QtText.h"
#include "gui/TFormKelvaron.h"
#include "gui/print/ListPrintDialog.h"
#include "gui/print/PdfList.h"
#include "gui/print/QtPrinterDevice.h"
#include "gui/print/ShortDate.h"

#include <filesystem>

namespace kelvaron::gui {

QtFormDruck::QtFormDruck(TFormKelvaron& window, Prompter& prompter) : window_(window), prompter_(prompter) {
    connect(&window_, &TFormKelvaron::printRequested, this, &QtFormDruck::Button2Click);
}

void QtFormDruck::Button2Click() {
    ListPrintDialog printDialog1(printer_, &window_);
    if (printDialog1.exec() != QDialog::Accepted)
        return;

    const PrintSource source{window_.listViewText(), window_.model().centerLinePrefix(),
                             window_.model().blockSeparatorLine(), coreText(window_.windowTitle())};
    if (const PrintStatus status = print(source); !status.ok())
        prompter_.error(status.message());
}

PrintStatus QtFormDruck::print(const PrintSource& source) {
    const std::string today = todayShortDate();
    // A PDF file chosen in the dialog is written whole or not at all, on the pages the dialog set up.
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        const std::filesystem::path file(printer_.outputFileName().toStdU16String());
        return printListToPdf(file, source, today, printer_.pageLayout(), printer_.resolution());
    }
    QtPrinterDevice device(printer_);
    return printList(device, source, today);
}

} // namespace kelvaron::gui
