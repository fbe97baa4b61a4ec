#include "gui/print/QtPrinterDevice.h"

#include "core/text/PathText.h"
#include "gui/QtText.h"

#include <QPdfWriter>
#include <QPrinter>

#include <filesystem>
#include <utility>

namespace kelvaron::gui {
namespace {

std::string printerFailure(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return cannotWriteMessage(std::filesystem::path(printer.outputFileName().toStdU16String()));
    return "Auf " + coreText(printer.printerName()) + " kann nicht gedruckt werden";
}

} // namespace

QtPrinterDevice::QtPrinterDevice(QPrinter& printer)
    : QtPrinterDevice(
          printer, [&printer](const QString& title) { printer.setDocName(title); }, printerFailure(printer)) {
}

QtPrinterDevice::QtPrinterDevice(QPdfWriter& writer, std::string failure)
    : QtPrinterDevice(
          writer, [&writer](const QString& title) { writer.setTitle(title); }, std::move(failure)) {}

QtPrinterDevice::QtPrinterDevice(QPagedPaintDevice& device, std::function<void(const QString&)> nameJob,
                                 std::string failure)
    : device_(device), nameJob_(std::move(nameJob)), failure_(std::move(failure)), canvas_(painter_, device) {
}

std::int32_t QtPrinterDevice::pageWidth() const {
    return device_.width();
}

std::int32_t QtPrinterDevice::pageHeight() const {
    return device_.height();
}

std::int32_t QtPrinterDevice::dpiY() const {
    return device_.logicalDpiY();
}

void QtPrinterDevice::setTitle(std::string_view title) {
    nameJob_(qtText(title));
}

PrintStatus QtPrinterDevice::beginDoc() {
    if (!painter_.begin(&device_))
        return PrintStatus::failure(failure_);
    page_ = 1;
    pageFailed_ = false;
    return PrintStatus::success();
}

void QtPrinterDevice::newPage() {
    if (!device_.newPage())
        pageFailed_ = true;
    ++page_;
}

PrintStatus QtPrinterDevice::endDoc() {
    const bool ended = painter_.end();
    if (!ended || pageFailed_)
        return PrintStatus::failure(failure_);
    return PrintStatus::success();
}

} // namespace kelvaron::gui
