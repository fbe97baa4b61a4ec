#include "core/print/TMyPrinter.h"

#include "core/engine/Int32.h"
#include "core/print/PageArithmetic.h"

#include <cassert>
#include <cmath>
#include <string>
#include <utility>

namespace kelvaron {

namespace {

// Assigning a font of another resolution keeps the point size: the destination takes name, size and
// style of the source and stays measured in its own pixels.
void assignKeepingResolution(const Font& source, Font& destination) {
    const std::int32_t pixelsPerInch = destination.pixelsPerInch;
    destination = source;
    destination.pixelsPerInch = pixelsPerInch;
}

} // namespace

TMyPrinter::TMyPrinter(PrinterDevice& device, ShortDateProvider today)
    : device_(device), today_(std::move(today)) {
    assert(today_);
    Canvas& canvas = device_.canvas();
    Font arial;
    arial.pixelsPerInch = canvas.font().pixelsPerInch;
    canvas.setFont(arial);

    lineSpacing = 1.5f;
    UpdateLineHeight();
    marginLeft = marginRight = marginTop = marginBottom = lineHeight;
    gapAboveTable = gapBelowTable = lineHeight;

    for (TPrintAbschnitt* band : {&footer, &header}) {
        CopyFont(canvas.font(), band->font);
        band->font.italic = true;
    }
    const std::int32_t width = device_.pageWidth();
    const std::int32_t height = device_.pageHeight();
    footer.SetRect(marginLeft, int32::sub(int32::sub(height, marginBottom), lineHeight),
                   int32::sub(width, marginRight), int32::sub(height, marginBottom));
    header.SetRect(marginLeft, marginTop, int32::sub(width, marginRight), int32::add(marginTop, lineHeight));

    UpdateRowsPerPage();
    rows.clear();
    columnUnit = 1.0f;
}

PrintStatus TMyPrinter::BeginJob() {
    PrintStatus status = device_.beginDoc();
    if (!status.ok())
        return status;
    // The canvas font now measures in the printer's pixels and keeps its point size; so do the bands.
    Canvas& canvas = device_.canvas();
    Font canvasFont = canvas.font();
    canvasFont.pixelsPerInch = device_.dpiY();
    canvas.setFont(canvasFont);
    for (TPrintAbschnitt* band : {&footer, &header}) {
        const Font kept = band->font;
        CopyFont(canvasFont, band->font);
        assignKeepingResolution(kept, band->font);
    }
    return status;
}

void TMyPrinter::NewPage() {
    device_.newPage();
}

PrintStatus TMyPrinter::EndDoc() {
    return device_.endDoc();
}

void TMyPrinter::SetTitle(std::string_view title) {
    device_.setTitle(title);
}

void TMyPrinter::UpdateLineHeight() {
    const std::int32_t pixels = mulDiv(device_.canvas().font().pointSize, device_.dpiY(), 72);
    lineHeight = truncInt32(std::fabs(static_cast<double>(pixels)) * static_cast<double>(lineSpacing));
    UpdateRowsPerPage();
}

void TMyPrinter::UpdateRowsPerPage() {
    // The reserve for the upper and lower page edges is twice the left margin.
    std::int32_t available = int32::sub(device_.pageHeight(), int32::mul(2, marginLeft));
    available = int32::sub(available, int32::sub(footer.rect.bottom, footer.rect.top));
    available = int32::sub(available, int32::sub(header.rect.bottom, header.rect.top));
    available = int32::sub(int32::sub(available, gapAboveTable), gapBelowTable);
    rowsPerPage = lineHeight == 0 ? 0 : int32::div(available, lineHeight);
}

void TMyPrinter::SetColumnUnit(std::int32_t n) {
    if (n == 0)
        return;
    columnUnit = static_cast<float>(static_cast<double>(device_.pageWidth()) / n);
}

void TMyPrinter::CopyFont(const Font& source, Font& destination) {
    destination = source;
}

void TMyPrinter::DrawHeader(Canvas& canvas) {
    if (header.leftAuto)
        header.SetLeftText("");
    if (header.centerAuto)
        header.SetCenterText("");
    if (header.rightAuto)
        header.SetRightText(today_());
    DrawSection(canvas, header);
}

void TMyPrinter::DrawFooter(Canvas& canvas) {
    if (footer.leftAuto) {
        footer.SetLeftText("");
        footer.leftAuto = true;
    }
    if (footer.centerAuto) {
        footer.SetCenterText("");
        footer.centerAuto = true;
    }
    if (footer.rightAuto) {
        footer.SetRightText(std::to_string(device_.pageNumber()));
        footer.rightAuto = true;
    }
    DrawSection(canvas, footer);
}

void TMyPrinter::DrawSection(Canvas& canvas, const TPrintAbschnitt& band) {
    const Font kept = canvas.font();
    canvas.setFont(band.font);
    const Rect& rect = band.rect;
    canvas.textOut(rect.left, rect.top, band.leftText);
    canvas.textOut(int32::sub(rect.right, canvas.textWidth(band.rightText)), rect.top, band.rightText);
    const std::int32_t centerLeft =
        int32::div(int32::sub(int32::add(rect.left, rect.right), canvas.textWidth(band.centerText)), 2);
    canvas.textOut(centerLeft, rect.top, band.centerText);
    canvas.setFont(kept);
}

std::int32_t TMyPrinter::rowTextTop(std::int32_t row) const {
    const std::int32_t folded = rowsPerPage == 0 ? row : int32::mod(row, rowsPerPage);
    return int32::add(int32::add(int32::mul(folded, lineHeight), header.rect.bottom), gapAboveTable);
}

std::int32_t TMyPrinter::nextAnchor(std::int32_t width, std::int32_t anchor) const {
    return truncInt32(static_cast<double>(width) * static_cast<double>(columnUnit) + anchor);
}

double TMyPrinter::rowLead() const {
    const auto spacing = static_cast<double>(lineSpacing);
    return (spacing - 1.0) * lineHeight / (2.0 * spacing);
}

void TMyPrinter::DrawRowText(Canvas& canvas, std::string_view text, std::int32_t row, std::int32_t x,
                             std::int32_t align) {
    if (align == 0)
        x = int32::sub(x, canvas.textWidth(text));
    else if (align == 2)
        x = int32::sub(x, canvas.textWidth(text) / 2);
    canvas.textOut(x, rowTextTop(row), text);
}

// A cell that starts at its anchor is cut at its column's right rule, so that a long center name cannot run
// into the columns left empty for entries by hand. A right-aligned or centred text is drawn whole: the
// seed line stands in the narrow first cell and runs to the left out of the table.
void TMyPrinter::DrawRow(Canvas& canvas, std::int32_t row, std::span<const std::string> fields,
                         const TableColumns& columns) {
    std::int32_t offset = 0;
    for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
        const std::string cell = " " + fields[i] + " ";
        const std::int32_t anchor = int32::add(marginLeft, offset);
        const std::int32_t alignment = columns[i].alignment;
        offset = nextAnchor(columns[i].width, offset);
        if (alignment == 0 || alignment == 2) {
            DrawRowText(canvas, cell, row, anchor, alignment);
            continue;
        }
        const std::int32_t top = rowTextTop(row);
        canvas.textRect(Rect{anchor, top, int32::add(marginLeft, offset), int32::add(top, lineHeight)},
                        anchor, top, cell);
    }
}

std::vector<std::string> TMyPrinter::SplitFields(std::string_view text, char separator,
                                                 std::int32_t minCount) {
    std::vector<std::string> fields;
    std::string field;
    for (const char c : text) {
        if (c == separator) {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    fields.push_back(std::move(field));
    while (static_cast<std::int64_t>(fields.size()) < minCount)
        fields.emplace_back();
    return fields;
}

void TMyPrinter::PrintTable(const TableColumns& columns) {
    Canvas& canvas = device_.canvas();
    UpdateLineHeight();
    if (rowsPerPage <= 0)
        return;
    std::vector<std::string> titles;
    for (const TableColumn& column : columns)
        titles.push_back(column.title);

    std::size_t next = 0; // runs on across the pages of this table
    do {
        DrawHeader(canvas);
        Font font = canvas.font();
        font.bold = true;
        font.pointSize = int32::add(font.pointSize, 2);
        canvas.setFont(font);
        DrawRowText(canvas, tableTitle, -4, marginLeft, 1);
        font.pointSize = int32::sub(font.pointSize, 2);
        canvas.setFont(font);
        DrawRow(canvas, -1, titles, columns);
        font.bold = false;
        canvas.setFont(font);
        DrawRowText(canvas, tableSubtitle, -3, marginLeft, 1);

        const std::int32_t narrow = canvas.textWidth("XXXX");
        printRows(canvas, next, columns, narrow);
        drawRules(canvas, next, columns, narrow);
        DrawFooter(canvas);
        if (next < rows.size())
            NewPage();
    } while (next < rows.size());
}

// The rows of one page from `next` on. Shading follows the row's index in the whole table.
void TMyPrinter::printRows(Canvas& canvas, std::size_t& next, const TableColumns& columns,
                           std::int32_t narrow) {
    std::int32_t tableWidth = 0;
    for (const TableColumn& column : columns)
        tableWidth = nextAnchor(column.width, tableWidth);
    const std::int32_t tableLeft = int32::sub(marginLeft, narrow);
    const std::int32_t tableRight = int32::add(marginLeft, tableWidth);
    const double lead = rowLead();
    const auto fieldCount = static_cast<std::int32_t>(columns.size());

    for (std::int32_t onPage = 0; onPage < rowsPerPage && next < rows.size(); ++onPage, ++next) {
        const auto row = static_cast<std::int32_t>(next);
        const std::vector<std::string> fields = SplitFields(rows[next], '\t', fieldCount);
        if (next % 2 != 0) {
            const std::int32_t rowTop = truncInt32(rowTextTop(row) - lead);
            canvas.setBrush(Brush{kSilver, BrushStyle::Solid});
            canvas.fillRect(Rect{tableLeft, rowTop, tableRight, int32::add(rowTop, lineHeight)});
            canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
        }
        if (fields[0] == blockSeparatorLine || fields[0] == centerLinePrefix)
            DrawRowText(canvas, fields[0], row, marginLeft, 1);
        else
            DrawRow(canvas, row, fields, columns);
    }
}

// The grid from the top of the title row to the bottom of the last row drawn on this page; no lines
// between data rows.
void TMyPrinter::drawRules(Canvas& canvas, std::size_t next, const TableColumns& columns,
                           std::int32_t narrow) {
    const double lead = rowLead();
    const std::int32_t rowZeroTop = int32::add(header.rect.bottom, gapAboveTable);
    const std::int32_t gridTop = truncInt32(int32::sub(rowZeroTop, lineHeight) - lead);
    const std::int32_t lastRow = int32::sub(static_cast<std::int32_t>(next), 1);
    const std::int32_t gridBottom = truncInt32(int32::add(rowTextTop(lastRow), lineHeight) - lead);
    const auto vertical = [&](std::int32_t x) {
        canvas.moveTo(x, gridTop);
        canvas.lineTo(x, gridBottom);
    };

    const std::int32_t tableLeft = int32::sub(marginLeft, narrow);
    vertical(marginLeft);
    vertical(tableLeft);
    std::int32_t x = marginLeft;
    for (const TableColumn& column : columns) {
        x = nextAnchor(column.width, x);
        vertical(x);
    }
    for (const std::int32_t y : {gridTop, gridBottom, int32::add(gridTop, lineHeight)}) {
        canvas.moveTo(tableLeft, y);
        canvas.lineTo(x, y);
    }
}

} // namespace kelvaron
