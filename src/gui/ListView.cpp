#include "gui/ListView.h"

#include "gui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QTextDocument>

namespace kelvaron::gui {

ListView::ListView(QWidget* parent) : QPlainTextEdit(parent) {}

void ListView::setList(std::string_view cp1252) {
    // Recording the insertion for undo takes a third of the time of a long list, and setting the text
    // clears the history anyway.
    QTextDocument& shown = *document();
    shown.setUndoRedoEnabled(false);
    shown.setPlainText(qtText(cp1252));
    shown.setUndoRedoEnabled(true);
}

QString ListView::listText() const {
    // The raw text keeps every character; only the paragraph and line separators become line feeds, as
    // toPlainText() makes them.
    QString text = document()->toRawText();
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator)
            character = QLatin1Char('\n');
    }
    return text;
}

std::string ListView::list() const {
    return coreText(listText());
}

void ListView::copyAll() {
    selectAll();
    // The clipboard gets the text itself: copying the selection would build a document fragment of
    // the whole list, and its plain text turns no-break spaces into spaces.
    QApplication::clipboard()->setText(listText());
}

} // namespace kelvaron::gui
