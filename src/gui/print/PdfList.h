// The printed list as a PDF file: the same layout as on a printer, on A4 pages at 600 dots per inch.
#pragma once

#include "platform/PrinterDevice.h"
#include "print/TFormDruck.h"

#include <QPageLayout>

#include <filesystem>
#include <string_view>

namespace kelvaron::gui {

// Lays `source` out as the print command does and writes it to `path` as a PDF file of A4 pages in
// `orientation`. The printable area is the sheet less a border of 10 points on every side, Qt's own
// border for PDF output, so the file matches a PDF printed from the print dialog. The file is written
// atomically: on failure nothing is written and an existing file at `path` is left as it was.
// REQUIRES: a QGuiApplication exists (the fonts).
[[nodiscard]] PrintStatus printListToPdf(const std::filesystem::path& path, const PrintSource& source,
                                         std::string_view dateText, QPageLayout::Orientation orientation);

} // namespace kelvaron::gui
