// The printed list as a PDF file, laid out as on a printer with the same page and resolution.
#pragma once

#include "core/platform/PrinterDevice.h"
#include "core/print/TFormDruck.h"

#include <QPageLayout>

#include <filesystem>
#include <string_view>

namespace kelvaron::gui {

// The page of the command line's PDF files: A4 in `orientation`, less a border of 10 points on every
// side, Qt's own border for PDF output, so that it matches a PDF printed from the print dialog.
[[nodiscard]] QPageLayout a4PageLayout(QPageLayout::Orientation orientation);
inline constexpr int kPdfDotsPerInch = 600;

// Lays `source` out as the print command does on pages of `layout` at `dotsPerInch` and writes them to
// `path` as a PDF file. The file is written atomically: on failure nothing is written and an existing
// file at `path` is left as it was. REQUIRES: a QGuiApplication exists (the fonts).
[[nodiscard]] PrintStatus printListToPdf(const std::filesystem::path& path, const PrintSource& source,
                                         std::string_view dateText, const QPageLayout& layout,
                                         int dotsPerInch);

} // namespace kelvaron::gui
