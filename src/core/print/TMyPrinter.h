// The page model of a print: margins, header and footer bands, row height and rows per page in the
// printer's device pixels, and the drawing of a list of TAB-separated rows as a ruled, shaded table.
#pragma once

#include "core/platform/PrinterDevice.h"
#include "core/print/TPrintAbschnitt.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron {

// Today's date in the system's short date format, Windows-1252.
using ShortDateProvider = std::function<std::string()>;

// One column of a printed table. The width is in column units (see SetColumnUnit). Alignment 0: the cell
// text ends at the column's anchor; 2: it is centred on the anchor; 1 and any other value: it starts there.
struct TableColumn {
    std::string title;
    std::int32_t width = 0;
    std::int32_t alignment = 1;
    bool operator==(const TableColumn&) const = default;
};
using TableColumns = std::vector<TableColumn>;

// One object per print job. Setup order: create; SetColumnUnit, font sizes, marginLeft, gapAboveTable,
// UpdateRowsPerPage; BeginJob; PrintTable once per table with NewPage between tables; EndDoc.
class TMyPrinter {
public:
    // Binds the model to `device` (the printer and settings chosen for this print) and places the bands
    // from the 8-point Arial font. REQUIRES: `today` is callable.
    TMyPrinter(PrinterDevice& device, ShortDateProvider today);

    std::int32_t lineHeight = 0;
    std::int32_t rowsPerPage = 0;
    TPrintAbschnitt footer;
    TPrintAbschnitt header;
    std::int32_t gapBelowTable = 0; // enters only rowsPerPage
    std::int32_t gapAboveTable = 0; // from the header's bottom edge to the text top of row 0
    std::int32_t marginLeft = 0;    // also the anchor of the first column
    std::int32_t marginRight = 0;
    std::int32_t marginTop = 0;
    std::int32_t marginBottom = 0;
    float lineSpacing = 1.5f; // row height as a multiple of the font height
    float columnUnit = 1.0f;  // pixels per column-width unit
    std::vector<std::string> rows;
    std::string tableTitle;
    std::string tableSubtitle;
    // A row whose first field equals one of these texts is written whole from the left margin.
    std::string blockSeparatorLine;
    std::string centerLinePrefix;

    // Starts the job and binds the band fonts to the printer's resolution. On failure nothing is open.
    [[nodiscard]] PrintStatus BeginJob();
    void NewPage();
    [[nodiscard]] PrintStatus EndDoc();
    void SetTitle(std::string_view title);
    [[nodiscard]] Canvas& canvas() { return device_.canvas(); }

    // The row height from the printer canvas's font size and lineSpacing; then UpdateRowsPerPage.
    void UpdateLineHeight();
    // The rows between the bands, margins and gaps; 0 while lineHeight is 0.
    void UpdateRowsPerPage();
    // columnUnit = page width / n, held in single precision. n = 0 leaves columnUnit unchanged.
    void SetColumnUnit(std::int32_t n);
    // The destination becomes the source, its resolution included.
    static void CopyFont(const Font& source, Font& destination);

    // Draw the band with its automatic texts: the header's are fixed at its first drawing (right: the
    // date), the footer's recomputed on every page (right: the page number of the job).
    void DrawHeader(Canvas& canvas);
    void DrawFooter(Canvas& canvas);
    void DrawSection(Canvas& canvas, const TPrintAbschnitt& band);

    // Draws `text` in table row `row` relative to anchor x; negative rows lie above row 0, and rows of
    // later pages fall on the places of the first page's rows.
    void DrawRowText(Canvas& canvas, std::string_view text, std::int32_t row, std::int32_t x,
                     std::int32_t align);
    // Draws the fields as cells, each with one space on either side, as far as there are columns; a
    // left-aligned cell's text is cut at its column's right end.
    void DrawRow(Canvas& canvas, std::int32_t row, std::span<const std::string> fields,
                 const TableColumns& columns);
    // The fields of `text` between separators, padded with empty fields up to minCount; at least one.
    [[nodiscard]] static std::vector<std::string> SplitFields(std::string_view text, char separator,
                                                              std::int32_t minCount);

    // Prints `rows` as a table on as many pages as it needs (one when empty), each with header, title,
    // subtitle, column titles, shading, rules and footer. Draws nothing when not one row fits a page.
    void PrintTable(const TableColumns& columns);

private:
    [[nodiscard]] std::int32_t rowTextTop(std::int32_t row) const;
    [[nodiscard]] std::int32_t nextAnchor(std::int32_t width, std::int32_t anchor) const;
    [[nodiscard]] double rowLead() const;
    void printRows(Canvas& canvas, std::size_t& next, const TableColumns& columns, std::int32_t narrow);
    void drawRules(Canvas& canvas, std::size_t next, const TableColumns& columns, std::int32_t narrow);

    PrinterDevice& device_;
    ShortDateProvider today_;
};

} // namespace kelvaron
