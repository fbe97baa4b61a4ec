// The list page's view of the list: the platform's plain-text editor, so the user may edit the list,
// filled and read in ways that keep up with lists of a million lines and lose no character.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace kelvaron::gui {

class ListView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    // Shows `cp1252` (lines ended by line feeds) in place of the text before. Not an edit the user can
    // undo: the undo history starts anew with the list.
    void setList(std::string_view cp1252);
    // The text as shown, with the user's edits; every line break a line feed. Unlike toPlainText() it
    // keeps the no-break space.
    [[nodiscard]] QString listText() const;
    // listText() in Windows-1252: what export and print take.
    [[nodiscard]] std::string list() const;
    // "Kopieren": selects the whole text and puts listText() on the clipboard.
    void copyAll();
};

} // namespace kelvaron::gui
