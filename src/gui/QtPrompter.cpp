#include "gui/QtPrompter.h"

#include "core/i18n/FixedTexts.h"
#include "gui/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvaron::gui {
namespace {

// A message shown during a long command (under the hourglass) gets the arrow back while it is open.
class ArrowCursorWhileOpen {
public:
    ArrowCursorWhileOpen() : waiting_(QApplication::overrideCursor() != nullptr) {
        if (waiting_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowCursorWhileOpen() {
        if (waiting_)
            QApplication::restoreOverrideCursor();
    }
    ArrowCursorWhileOpen(const ArrowCursorWhileOpen&) = delete;
    ArrowCursorWhileOpen& operator=(const ArrowCursorWhileOpen&) = delete;

private:
    bool waiting_;
};

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& title, std::string_view text,
                                    QMessageBox::StandardButtons buttons) {
    const ArrowCursorWhileOpen arrow;
    QMessageBox box(icon, title, qtText(text), buttons, QApplication::activeWindow());
    // Catalogue texts, language files and paths may hold "<" and "&": they are shown as they are.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString boxTitle() {
    return qtText(fixed::kBoxTitle);
}

} // namespace

void QtPrompter::note(std::string_view text) {
    showBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool QtPrompter::question(std::string_view text) {
    return showBox(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtPrompter::box(std::string_view text) {
    showBox(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok);
}

void QtPrompter::error(std::string_view text) {
    showBox(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

} // namespace kelvaron::gui
