#include "gui/selftest/TFormSelftest.h"

#include "core/i18n/FormTable.h"
#include "core/platform/Prompter.h"
#include "gui/FormTexts.h"
#include "gui/QtText.h"
#include "gui/selftest/DecimalSeparator.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QThread>
#include <QTimer>

#include <utility>

namespace kelvaron::gui {
namespace {

constexpr int kStartDelayMs = 100;
// The widest value shown: the last step and a draw with 15 significant digits in exponent notation.
constexpr const char* kWidestValue = "100: 4,65661287307739E-10";

template <typename Widget> Widget* make(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* display(QWidget* parent, const char* name) {
    auto* edit = make<QLineEdit>(parent, name);
    edit->setReadOnly(true);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1String(kWidestValue)) + 16);
    return edit;
}

// The run draws on the widgets without returning to the event loop, so every change is painted at once.
class WidgetView final : public SelftestView {
public:
    WidgetView(QLineEdit& value, QLineEdit& sum, QLineEdit& result, QProgressBar& bar, Prompter& prompter,
               const TFormSelftest::Wait& wait)
        : value_(value), sum_(sum), result_(result), bar_(bar), prompter_(prompter), wait_(wait) {}

    void showValue(std::string_view text) override { show(value_, text); }
    void showSum(std::string_view text) override { show(sum_, text); }
    void showResult(std::string_view text) override { show(result_, text); }
    void setProgress(int value) override {
        bar_.setValue(value);
        bar_.repaint();
    }
    void note(std::string_view text) override { prompter_.note(text); }
    void processPendingEvents() override { QCoreApplication::processEvents(); }
    void wait(int milliseconds) override { wait_(milliseconds); }

private:
    static void show(QLineEdit& edit, std::string_view text) {
        edit.setText(qtText(text));
        edit.repaint();
    }

    QLineEdit& value_;
    QLineEdit& sum_;
    QLineEdit& result_;
    QProgressBar& bar_;
    Prompter& prompter_;
    const TFormSelftest::Wait& wait_;
};

void blockingWait(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace

TFormSelftest::TFormSelftest(const FormTable& formSelftest, TRandomGenerator& generator, Prompter& prompter,
                             QWidget* parent, std::span<const SelftestVector> vectors)
    : QDialog(parent), formSelftest_(formSelftest), generator_(generator), prompter_(prompter),
      run_(decimalSeparator(QLocale::system()), vectors), wait_(blockingWait) {
    buildWidgets();
    applyFormTexts(*this, formSelftest_);
}

void TFormSelftest::buildWidgets() {
    setObjectName(QString::fromStdString(formSelftest_.name));
    // A box with a title, so that a translated caption of the panel is shown.
    auto* panel = make<QGroupBox>(this, "PanelSelftest");
    auto* displays = new QVBoxLayout(panel);
    displays->addWidget(make<QLabel>(panel, "Label1"));
    displays->addWidget(editZZ_ = display(panel, "EditZZ"));
    displays->addWidget(make<QLabel>(panel, "Label2"));
    displays->addWidget(editSum_ = display(panel, "EditSum"));
    displays->addWidget(make<QLabel>(panel, "Label3"));
    displays->addWidget(editResult_ = display(panel, "EditResult"));

    progressBarZZ_ = make<QProgressBar>(this, "ProgressBarZZ");
    progressBarZZ_->setRange(0, 100);
    progressBarZZ_->setValue(0);
    progressBarZZ_->setTextVisible(false);

    bitBtnClose_ = make<QPushButton>(this, "BitBtnClose");
    bitBtnClose_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(bitBtnClose_, &QPushButton::clicked, this, &TFormSelftest::BitBtnCloseClick);

    timerStart_ = make<QTimer>(this, "TimerStart");
    timerStart_->setInterval(kStartDelayMs);
    timerStart_->setSingleShot(true);
    connect(timerStart_, &QTimer::timeout, this, &TFormSelftest::TimerStartTimer);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bitBtnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(progressBarZZ_);
    layout->addLayout(buttons);
    // A small dialog of fixed size; QDialog centres it on its parent at every showing.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    bitBtnClose_->setFocus();
}

void TFormSelftest::setWait(Wait wait) {
    wait_ = std::move(wait);
}

ModalResult TFormSelftest::showModal() {
    exec();
    return modalResult_;
}

void TFormSelftest::BitBtnCloseClick() {
    run_.requestCancel();
    modalResult_ = ModalResult::Cancel;
    setResult(QDialog::Rejected);
    if (!running_)
        done(QDialog::Rejected);
}

void TFormSelftest::reject() {
    BitBtnCloseClick();
}

void TFormSelftest::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window system's own show events (a restore, say) are not a new showing.
    if (event->spontaneous())
        return;
    modalResult_ = ModalResult::Cancel;
    applyFormTexts(*this, formSelftest_);
    FormShow();
}

void TFormSelftest::hideEvent(QHideEvent* event) {
    // A showing closed before its run started runs no test later.
    timerStart_->stop();
    QDialog::hideEvent(event);
}

void TFormSelftest::FormShow() {
    timerStart_->start();
}

void TFormSelftest::TimerStartTimer() {
    timerStart_->stop();
    WidgetView view(*editZZ_, *editSum_, *editResult_, *progressBarZZ_, prompter_, wait_);
    running_ = true;
    const ModalResult result = run_.run(generator_, view);
    running_ = false;
    modalResult_ = result;
    done(result == ModalResult::OK ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace kelvaron::gui
