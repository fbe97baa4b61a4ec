// The print form's core: lays the list view's text out as the printed randomization list, one table per
// center with its own pages, seven columns of which the last three are left empty for entries by hand.
#pragma once

#include "core/platform/PrinterDevice.h"
#include "core/print/TMyPrinter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron {

// What a print reads from the main window; every text is Windows-1252.
struct PrintSource {
    std::string listText;           // the list view's current text, lines ended by line feeds
    std::string centerLinePrefix;   // a line starting with it is a center heading
    std::string blockSeparatorLine; // printed across its row without cells
    std::string caption;            // the main window's caption, the name of the print job
};

class TFormDruck {
public:
    std::string centerHeading;          // the subtitle: the current center heading with its TAB widened
    std::string centerLabel;            // the heading's first part: prefix and center number
    std::string centerName;             // the center's description up to its first "-"
    std::vector<std::string> memoLines; // Memo1: the working copy of the list lines

    // Prints the list on `printer` as one job: BeginJob, the tables, EndDoc. Returns the job's outcome;
    // when the job cannot start nothing is drawn.
    [[nodiscard]] PrintStatus LayoutList(TMyPrinter& printer, const PrintSource& source);
    // The lines of `listText`, split at line feeds; a final empty line does not count.
    void CopyListLines(std::string_view listText);
    // Sets centerHeading, centerLabel and centerName from a center heading line.
    void ParseCenterLine(std::string_view line);
    static void AddColumn(TableColumns& columns, std::string_view title, std::int32_t width,
                          std::int32_t alignment);
};

// One print of the list on `device`, the printer chosen for it; `dateText` is today's date in the
// system's short date format, shown at the top right of every page.
[[nodiscard]] PrintStatus printList(PrinterDevice& device, const PrintSource& source,
                                    std::string_view dateText);

} // namespace kelvaron
