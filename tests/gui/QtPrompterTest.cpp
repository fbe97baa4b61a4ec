// The message boxes of the window: every text is shown as it is, never read as markup.
#include "gui/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

struct SeenBox {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
};

// Shows a box through `show`, notes its text and format and closes it with its first button.
SeenBox seeBox(const std::function<void(gui::QtPrompter&)>& show) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->textFormat(), box->text()};
        box->buttons().front()->click();
    });
    gui::QtPrompter prompter;
    show(prompter);
    return seen;
}

TEST(QtPrompter, EveryBoxShowsItsTextAsPlainText) {
    // A language file's text and a path with "<i>", in Windows-1252.
    const std::string text = "<b>fett</b> & mehr: /tmp/<i>studie</i>.kvd";
    const std::function<void(gui::QtPrompter&)> boxes[] = {
        [&](gui::QtPrompter& p) { p.note(text); },
        [&](gui::QtPrompter& p) { static_cast<void>(p.question(text)); },
        [&](gui::QtPrompter& p) { p.box(text); },
        [&](gui::QtPrompter& p) { p.error(text); },
    };
    for (const auto& show : boxes) {
        const SeenBox seen = seeBox(show);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.text, QString::fromStdString(text));
    }
}

} // namespace
} // namespace kelvaron
