// A print job on a Qt paged device: the printer chosen in the print dialog, or a PDF writer. Lengths are
// the device's pixels with (0, 0) at the top-left corner of its printable area.
#pragma once

#include "core/platform/PrinterDevice.h"
#include "gui/print/QtCanvas.h"

#include <QPainter>
#include <QString>

#include <functional>
#include <string>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace kelvaron::gui {

class QtPrinterDevice final : public PrinterDevice {
public:
    // A job on `printer` with the settings it holds. A job that cannot start reports that the printer
    // cannot print, or, when the printer writes a PDF file, that the file cannot be written.
    explicit QtPrinterDevice(QPrinter& printer);
    // A job written by `writer`; `failure` is the message when it cannot start or complete.
    QtPrinterDevice(QPdfWriter& writer, std::string failure);
    QtPrinterDevice(const QtPrinterDevice&) = delete;
    QtPrinterDevice& operator=(const QtPrinterDevice&) = delete;

    // The printable area as the painter addresses it, and the device's vertical resolution.
    [[nodiscard]] std::int32_t pageWidth() const override;
    [[nodiscard]] std::int32_t pageHeight() const override;
    [[nodiscard]] std::int32_t dpiY() const override;

    void setTitle(std::string_view title) override;

    [[nodiscard]] PrintStatus beginDoc() override;
    void newPage() override;
    [[nodiscard]] PrintStatus endDoc() override;
    [[nodiscard]] std::int32_t pageNumber() const override { return page_; }

    [[nodiscard]] Canvas& canvas() override { return canvas_; }

private:
    QtPrinterDevice(QPagedPaintDevice& device, std::function<void(const QString&)> nameJob,
                    std::string failure);

    QPagedPaintDevice& device_;
    std::function<void(const QString&)> nameJob_;
    std::string failure_; // Windows-1252
    QPainter painter_;
    QtCanvas canvas_;
    std::int32_t page_ = 0;
    bool pageFailed_ = false; // a new page could not be started; reported by endDoc
};

} // namespace kelvaron::gui
