// The print form FormDruck of the window: the print dialog, then the list view's text laid out as the
// printed randomization list on the printer chosen there.
#pragma once

#include <QObject>
#include <QPrinter>

namespace kelvaron {
class Prompter;
class PrintStatus;
struct PrintSource;
} // namespace kelvaron

namespace kelvaron::gui {

class TFormKelvaron;

class QtFormDruck : public QObject {
    Q_OBJECT
public:
    // Prints whenever `window` asks for it ("Drucken"); failures of the printer go to `prompter`'s error
    // display. Both must outlive this object.
    QtFormDruck(TFormKelvaron& window, Prompter& prompter);

    // Print: the print dialog without page range or selection, then one job with all pages. A cancelled
    // dialog prints nothing.
    void Button2Click();

    // The printer selection of the dialog, kept from one print to the next.
    [[nodiscard]] QPrinter& printer() { return printer_; }

private:
    [[nodiscard]] PrintStatus print(const PrintSource& source);

    TFormKelvaron& window_;
    Prompter& prompter_;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace kelvaron::gui
