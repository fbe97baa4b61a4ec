// The window's print command: "Drucken" opens the print dialog and prints the list view's text.
#include "gui/print/QtFormDruck.h"

#include "PdfText.h"
#include "core/text/PathText.h"
#include "gui/WindowFixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTimer>

#include <gtest/gtest.h>
#include <optional>

namespace kelvaron {
namespace {

using test::ShownMessage;
using test::wordsOf;
using Words = std::vector<std::string>;

class PrintFromTheWindow : public test::WindowTest {
protected:
    std::optional<gui::QtFormDruck> formDruck;
    std::optional<QAbstractPrintDialog::PrintDialogOptions> dialogOptions;
    std::vector<std::string> pageChoices; // the dialog's widgets that choose pages, shown or hidden

    void SetUp() override {
        WindowTest::SetUp();
        formDruck.emplace(*window, prompter);
    }

    // Prints to `pdf` instead of a printer, as when the user chooses to print to a file.
    void printTo(const std::filesystem::path& pdf) {
        formDruck->printer().setOutputFormat(QPrinter::PdfFormat);
        formDruck->printer().setOutputFileName(QString::fromStdString(pdf.string()));
    }
    // Presses "Drucken" and answers the print dialog, noting the options it offers.
    void pressPrint(bool accept) {
        QTimer::singleShot(0, window.get(), [this, accept] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogOptions = dialog->options();
            for (const char* name : {"gbPrintRange", "pageSetCombo", "pageSetLabel"}) {
                if (const auto* widget = dialog->findChild<QWidget*>(QLatin1String(name)))
                    pageChoices.push_back(std::string(name) + (widget->isHidden() ? " hidden" : " shown"));
            }
            accept ? dialog->accept() : dialog->reject();
        });
        get<QAbstractButton>("BitBtnPrint").click();
    }
};

TEST_F(PrintFromTheWindow, PrintsTheListViewsTextWithTheWindowsCaptionAsTheJobsName) {
    // The user's edit of the list view is printed, not the generated list.
    get<QPlainTextEdit>("RichEditList")
        .setPlainText(QString::fromUtf8("Studie \xC3\x84rzte\nSeed: (3)\n1\t2\tPlacebo\n2\t1\tVerum\n"
                                        "------- Block ------\n"));
    const std::filesystem::path pdf = file("liste.pdf");
    printTo(pdf);
    pressPrint(true);

    ASSERT_TRUE(dialogOptions);
    EXPECT_FALSE(dialogOptions->testFlag(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(dialogOptions->testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(dialogOptions->testFlag(QAbstractPrintDialog::PrintCurrentPage));
    // Qt with CUPS offers a page range and odd or even pages whatever the options say.
    EXPECT_EQ(pageChoices, (std::vector<std::string>{"gbPrintRange hidden", "pageSetCombo hidden",
                                                     "pageSetLabel hidden"}));
    EXPECT_EQ(formDruck->printer().printRange(), QPrinter::AllPages);
    EXPECT_TRUE(prompter.shown.empty());

    ASSERT_EQ(test::pdfPageCount(pdf), 1);
    EXPECT_EQ(test::pdfInfo(pdf, "Title"), window->windowTitle().toStdString());
    const std::vector<std::string> lines = test::pdfPageLines(pdf, 1);
    std::vector<Words> seen;
    for (const std::string& line : lines)
        seen.push_back(wordsOf(line));
    const auto has = [&](const Words& words) {
        return std::find(seen.begin(), seen.end(), words) != seen.end();
    };
    EXPECT_TRUE(has({"Studie", "\xC3\x84rzte"}));
    EXPECT_TRUE(has({"Seed:", "(3)"}));
    EXPECT_TRUE(has({"1", "2", "Placebo"}));
    EXPECT_TRUE(has({"2", "1", "Verum"}));
    EXPECT_TRUE(has({"-------", "Block", "------"}));
    EXPECT_EQ(seen.back(), (Words{"Studie", "\xC3\x84rzte", "1"}));
}

TEST_F(PrintFromTheWindow, ACancelledDialogPrintsNothing) {
    const std::filesystem::path pdf = file("liste.pdf");
    printTo(pdf);
    pressPrint(false);

    EXPECT_TRUE(dialogOptions);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PrintFromTheWindow, AFailedJobGoesToTheErrorDisplay) {
    const std::filesystem::path pdf = file("no-such-folder/liste.pdf");
    printTo(pdf);
    pressPrint(true);

    EXPECT_EQ(prompter.shown,
              (std::vector<ShownMessage>{{ShownMessage::Kind::Error, cannotWriteMessage(pdf)}}));
}

} // namespace
} // namespace kelvaron
