// Labels the widgets of a form from its component table: the widget whose object name is a component's
// name shows that component's texts. Run again after the table has been translated.
#pragma once

#include <QString>

class QWidget;

namespace kelvaron {
struct FormTable;
}

namespace kelvaron::gui {

// Caption -> text (tab text for a page of a QTabWidget), Hint -> tool tip, memo lines -> the whole text,
// the form's caption -> window title. Components without a widget (timers, dialogs) are skipped.
void applyFormTexts(QWidget& form, const FormTable& table);

} // namespace kelvaron::gui
