// Qt's own texts follow the desktop's language: this program runs once with LANG=de_DE.UTF-8 and once
// with LANG=C, and the question box's buttons read "Ja"/"Nein" only under the German one.
#include "gui/startup/QtTranslations.h"

#include "gui/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

TEST(QtTranslations, TheQuestionBoxsButtonsFollowTheDesktopsLanguage) {
    const QByteArray lang = qgetenv("LANG");
    ASSERT_TRUE(lang == "de_DE.UTF-8" || lang == "C") << "run with LANG=de_DE.UTF-8 or LANG=C";
    gui::loadQtTranslations(*QApplication::instance(), QLocale::system());

    QString yes;
    QString no;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(gui::QtPrompter().question("Abbrechen?"));

    if (lang == "C") {
        EXPECT_EQ(yes, QStringLiteral("&Yes"));
        EXPECT_EQ(no, QStringLiteral("&No"));
    } else {
        EXPECT_EQ(yes, QStringLiteral("&Ja"));
        EXPECT_EQ(no, QStringLiteral("&Nein"));
    }
}

} // namespace
} // namespace kelvaron
