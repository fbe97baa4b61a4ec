// The printer of one print job: its printable page in device pixels, its resolution, the job with its
// pages, and the canvas to draw on. The GUI hands over the printer chosen in the print dialog; the command
// line writes a PDF file; tests record the pages.
#pragma once

#include "core/platform/Canvas.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kelvaron {

// The outcome of a print job, or of its start: success, or the platform's description of the failure
// (Windows-1252).
class [[nodiscard]] PrintStatus {
public:
    static PrintStatus success() { return PrintStatus(); }
    static PrintStatus failure(std::string message) {
        PrintStatus status;
        status.failed_ = true;
        status.message_ = std::move(message);
        return status;
    }

    [[nodiscard]] bool ok() const { return !failed_; }
    [[nodiscard]] const std::string& message() const { return message_; }

private:
    bool failed_ = false;
    std::string message_;
};

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    // Printable width and height in device pixels, and the vertical pixels per inch.
    [[nodiscard]] virtual std::int32_t pageWidth() const = 0;
    [[nodiscard]] virtual std::int32_t pageHeight() const = 0;
    [[nodiscard]] virtual std::int32_t dpiY() const = 0;

    // The name of the print job, Windows-1252; set before beginDoc.
    virtual void setTitle(std::string_view title) = 0;

    // Starts the job on page 1. On failure nothing is printed and the job is not open.
    [[nodiscard]] virtual PrintStatus beginDoc() = 0;
    // Ends the current page and starts the next one.
    virtual void newPage() = 0;
    // Ends the job and delivers it; reports any failure since beginDoc.
    [[nodiscard]] virtual PrintStatus endDoc() = 0;
    // 1 after beginDoc, one more at each newPage.
    [[nodiscard]] virtual std::int32_t pageNumber() const = 0;

    // The canvas of the current page. Its font keeps its point size across beginDoc.
    [[nodiscard]] virtual Canvas& canvas() = 0;
};

} // namespace kelvaron
