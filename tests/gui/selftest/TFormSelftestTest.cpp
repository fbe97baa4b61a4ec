// The self-test dialog shown modally with exec(), as the start-up and the "Selbsttest" button show it.
// The waits are recorded instead of slept; a cancel is queued from a wait, so that the dialog handles it
// in the run's one pass of pending events, as it would handle a real click.
#include "gui/selftest/TFormSelftest.h"

#include "core/engine/Selftest.h"
#include "core/engine/TRandomGenerator.h"
#include "core/i18n/Forms.h"
#include "support/FakePrompter.h"
#include "support/TestText.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include <array>
#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace kelvaron;
using test::ShownMessage;

const std::vector<int> kAllWaits = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 1000};

// A number as the general number format writes it with the user's decimal separator.
QString localNumber(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

class FormSelftestTest : public ::testing::Test {
protected:
    void build(std::span<const SelftestVector> vectors = kSelftestVectors) {
        dialog = std::make_unique<gui::TFormSelftest>(table, generator, prompter, nullptr, vectors);
        dialog->setWait([this](int milliseconds) {
            waits.push_back(milliseconds);
            if (waits.size() == cancelAtWait)
                cancel(*dialog);
        });
    }

    [[nodiscard]] QString display(const char* name) const {
        return dialog->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    [[nodiscard]] int bar() const { return dialog->findChild<QProgressBar*>("ProgressBarZZ")->value(); }
    [[nodiscard]] QPushButton* closeButton() const { return dialog->findChild<QPushButton*>("BitBtnClose"); }

    FormTable table = makeFormSelftest();
    TRandomGenerator generator;
    test::FakePrompter prompter;
    std::unique_ptr<gui::TFormSelftest> dialog;
    std::vector<int> waits;
    // The wait (counted from 1) after which `cancel` is queued; 0 for none.
    std::size_t cancelAtWait = 0;
    std::function<void(gui::TFormSelftest&)> cancel;
};

TEST_F(FormSelftestTest, CorrectGeneratorPassesAllTenPassesAtEveryShowing) {
    build();
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        EXPECT_EQ(dialog->exec(), QDialog::Accepted);
        EXPECT_EQ(dialog->modalResult(), ModalResult::OK);
        EXPECT_EQ(display("EditResult"), QStringLiteral("#10 - OK"));
        EXPECT_EQ(display("EditSum"), localNumber("50.6103160548955"));
        EXPECT_TRUE(display("EditZZ").startsWith(QStringLiteral("100: ")));
        EXPECT_EQ(bar(), 100);
        EXPECT_TRUE(prompter.shown.empty());
    }
    std::vector<int> twoRuns = kAllWaits;
    twoRuns.insert(twoRuns.end(), kAllWaits.begin(), kAllWaits.end());
    EXPECT_EQ(waits, twoRuns);
}

TEST_F(FormSelftestTest, MismatchingPassIsNotedCountedFromZeroAndEndsWithCancel) {
    auto vectors = kSelftestVectors;
    vectors[1].expectedSum += 0x1p-40;
    build(vectors);
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_EQ(dialog->modalResult(), ModalResult::Cancel);
    EXPECT_EQ(prompter.shown,
              (std::vector<ShownMessage>{{ShownMessage::Kind::Note, "Internal self test error - pass# 1"}}));
    // The remaining passes still ran.
    EXPECT_EQ(display("EditResult"), QStringLiteral("#10 - OK"));
    EXPECT_EQ(waits, kAllWaits);
}

TEST_F(FormSelftestTest, ATranslatedPanelCaptionIsShown) {
    table.find("PanelSelftest")->caption = test::ansi("Prüfung des Generators");
    build();
    const auto* panel = dialog->findChild<QGroupBox*>(QStringLiteral("PanelSelftest"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->title(), QStringLiteral("Prüfung des Generators"));
}

struct CancelCase {
    const char* name;
    std::function<void(gui::TFormSelftest&)> cancel;
};

void PrintTo(const CancelCase& cancelCase, std::ostream* out) {
    *out << cancelCase.name;
}

class CancelDuringRunTest : public FormSelftestTest, public ::testing::WithParamInterface<CancelCase> {};

// Queued after the wait of pass 2, the cancel is handled once pass 3 has completed.
TEST_P(CancelDuringRunTest, CompletesThePassInProgressAndEndsWithItsResult) {
    cancelAtWait = 2;
    cancel = GetParam().cancel;
    build();
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_EQ(dialog->modalResult(), ModalResult::OK);
    EXPECT_EQ(display("EditResult"), QStringLiteral("#3 - OK"));
    EXPECT_EQ(display("EditSum"), localNumber("49.9285334087908"));
    EXPECT_EQ(bar(), 30);
    EXPECT_EQ(waits, (std::vector<int>{50, 50, 50, 1000}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CancelDuringRunTest,
    ::testing::Values(CancelCase{"Button",
                                 [](gui::TFormSelftest& dialog) {
                                     QMetaObject::invokeMethod(dialog.findChild<QPushButton*>("BitBtnClose"),
                                                               &QPushButton::click, Qt::QueuedConnection);
                                 }},
                      CancelCase{"EscapeKey",
                                 [](gui::TFormSelftest& dialog) {
                                     QCoreApplication::postEvent(
                                         dialog.findChild<QPushButton*>("BitBtnClose"),
                                         new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
                                 }},
                      CancelCase{"CloseButton",
                                 [](gui::TFormSelftest& dialog) {
                                     QMetaObject::invokeMethod(
                                         &dialog, [&dialog] { dialog.close(); }, Qt::QueuedConnection);
                                 }}),
    [](const ::testing::TestParamInfo<CancelCase>& testCase) { return std::string(testCase.param.name); });

TEST_F(FormSelftestTest, CancelAfterAMismatchEndsWithCancel) {
    auto vectors = kSelftestVectors;
    vectors[0].expectedSum = 0.0;
    cancelAtWait = 2;
    cancel = [](gui::TFormSelftest& shown) { shown.BitBtnCloseClick(); };
    build(vectors);
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_EQ(dialog->modalResult(), ModalResult::Cancel);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Internal self test error - pass# 0"});
    EXPECT_EQ(waits, (std::vector<int>{50, 50, 1000}));
}

TEST_F(FormSelftestTest, CancelBeforeTheRunStartsClosesWithCancelAndTheNextShowingRuns) {
    build();
    QMetaObject::invokeMethod(closeButton(), &QPushButton::click, Qt::QueuedConnection);
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_EQ(dialog->modalResult(), ModalResult::Cancel);
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(display("EditResult").isEmpty());

    EXPECT_EQ(dialog->showModal(), ModalResult::OK);
    EXPECT_EQ(waits, kAllWaits);
}

TEST_F(FormSelftestTest, ShowsTheTextsOfItsTableAsTranslatedAtEachShowing) {
    build();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("FormSelftest"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Selbsttest"));
    EXPECT_EQ(closeButton()->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Prüfsumme"));

    // A language file applied after the dialog was built.
    table.caption = "Self test";
    table.find("BitBtnClose")->caption = "Cancel";
    table.find("Label1")->caption = test::ansi("Zufallszahl für Zufallszahl");
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Self test"));
    EXPECT_EQ(closeButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Zufallszahl für Zufallszahl"));
    dialog->hide();
}

} // namespace
