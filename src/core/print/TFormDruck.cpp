#include "core/print/TFormDruck.h"

#include "core/print/PageArithmetic.h"
#include "core/text/Cp1252Text.h"

#include <string>

namespace kelvaron {

namespace {

// The heading's parts without spaces and control characters at either end.
std::string trimmedPart(std::string_view text) {
    return std::string(trimmed(text, isBlankOrControl));
}

// Column widths in units of 1/800 of the page width; the table's left margin is 100 units.
TableColumns listColumns() {
    TableColumns columns;
    TFormDruck::AddColumn(columns, "ID", 50, 0);
    TFormDruck::AddColumn(columns, "Arm", 0, 0);
    TFormDruck::AddColumn(columns, "Studienarm", 125, 1);
    TFormDruck::AddColumn(columns, "Zentrum", 125, 1);
    TFormDruck::AddColumn(columns, "Patient", 150, 1);
    TFormDruck::AddColumn(columns, "Geb.-Dat.", 100, 1);
    TFormDruck::AddColumn(columns, "Datum", 100, 1);
    return columns;
}

} // namespace

PrintStatus TFormDruck::LayoutList(TMyPrinter& printer, const PrintSource& source) {
    centerName.clear();
    centerLabel.clear();
    centerHeading.clear();
    CopyListLines(source.listText);
    if (!memoLines.empty()) {
        printer.tableTitle = memoLines.front();
        memoLines.erase(memoLines.begin());
        printer.footer.SetLeftText(printer.tableTitle);
    }
    printer.SetColumnUnit(800);
    // The body font; the start of the job binds it to the printer's resolution.
    Canvas& canvas = printer.canvas();
    Font body = canvas.font();
    body.pointSize = 12;
    canvas.setFont(body);
    printer.header.font.pointSize = 10;
    printer.footer.font.pointSize = 10;
    printer.SetTitle(source.caption);
    printer.marginLeft = truncInt32(static_cast<double>(printer.columnUnit) * 100.0);
    // lineHeight still comes from the 8-point font of the printer's creation.
    printer.gapAboveTable = truncInt32(printer.lineHeight * 7.0);
    printer.UpdateRowsPerPage();
    printer.blockSeparatorLine = source.blockSeparatorLine;
    printer.centerLinePrefix = source.centerLinePrefix;
    const TableColumns columns = listColumns();

    if (PrintStatus started = printer.BeginJob(); !started.ok())
        return started;
    std::vector<std::string> gathered;
    for (const std::string& line : memoLines) {
        if (!line.starts_with(source.centerLinePrefix)) {
            gathered.push_back(centerName.empty() ? line : line + "\t" + centerName);
            continue;
        }
        // A center heading closes the table gathered so far, even a table of one row, so that every
        // patient is printed on the pages of their own center. A center without rows leaves no trace.
        if (!gathered.empty()) {
            printer.rows = std::move(gathered);
            gathered.clear();
            printer.PrintTable(columns);
            printer.NewPage();
        }
        ParseCenterLine(line);
        printer.tableSubtitle = centerHeading;
        printer.footer.SetCenterText(centerLabel + ": " + centerName);
    }
    printer.rows = std::move(gathered);
    printer.PrintTable(columns);
    return printer.EndDoc();
}

void TFormDruck::CopyListLines(std::string_view listText) {
    memoLines.clear();
    while (!listText.empty()) {
        const std::size_t end = listText.find('\n');
        memoLines.emplace_back(listText.substr(0, end));
        if (end == std::string_view::npos)
            break;
        listText.remove_prefix(end + 1);
    }
}

void TFormDruck::ParseCenterLine(std::string_view line) {
    const std::vector<std::string> parts = TMyPrinter::SplitFields(line, '\t', 0);
    const std::string& first = parts[0];
    const std::string second = parts.size() > 1 ? parts[1] : std::string();
    centerHeading = first + "        " + second;
    centerLabel = trimmedPart(TMyPrinter::SplitFields(first, ':', 0)[0]);
    centerName = trimmedPart(TMyPrinter::SplitFields(second, '-', 0)[0]);
}

void TFormDruck::AddColumn(TableColumns& columns, std::string_view title, std::int32_t width,
                           std::int32_t alignment) {
    columns.push_back(TableColumn{std::string(title), width, alignment});
}

PrintStatus printList(PrinterDevice& device, const PrintSource& source, std::string_view dateText) {
    TMyPrinter printer(device, [date = std::string(dateText)] { return date; });
    TFormDruck form;
    return form.LayoutList(printer, source);
}

} // namespace kelvaron
