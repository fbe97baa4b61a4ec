// The self-test dialog FormSelftest. About 100 ms after each showing it runs the generator's self-test
// (the core's SelftestRun) on its displays and then closes with the run's modal result: OK when every
// pass that ran matched its stored sum, Cancel otherwise. The dialog itself only shows and forwards.
#pragma once

#include "core/selftest/SelftestRun.h"

#include <QDialog>

#include <functional>
#include <span>

class QHideEvent;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QShowEvent;
class QTimer;

namespace kelvaron {
class Prompter;
struct FormTable;
} // namespace kelvaron

namespace kelvaron::gui {

class TFormSelftest : public QDialog {
    Q_OBJECT
public:
    // Blocks the thread for that many milliseconds (>= 0); the dialog does not respond meanwhile.
    using Wait = std::function<void(int milliseconds)>;

    // The texts come from `formSelftest`, applied again at every showing, so that a language file applied
    // after construction is seen. `prompter` shows the note of a mismatching pass. The passes run from
    // `vectors`. The table, the generator, the prompter and the vectors must outlive the dialog.
    TFormSelftest(const FormTable& formSelftest, TRandomGenerator& generator, Prompter& prompter,
                  QWidget* parent = nullptr, std::span<const SelftestVector> vectors = kSelftestVectors);

    // Replaces the run's waits (ten of 50 ms, one of 1000 ms), which by default block the thread.
    void setWait(Wait wait);

    // Shows the dialog modally; the test runs once; gives the dialog's modal result.
    [[nodiscard]] ModalResult showModal();
    // The result of the last showing: OK only when its run ended with OK. A showing closed before its
    // run started (cancel button, Escape, the window's close button) gives Cancel.
    [[nodiscard]] ModalResult modalResult() const { return modalResult_; }

    // Requests the run to stop after the pass in progress and sets the modal result to Cancel; the run's
    // own result replaces it when the run ends. Before the run has started the dialog closes at once.
    void BitBtnCloseClick();
    // Escape and the window's close button act as the cancel button: the dialog never closes in the
    // middle of a run.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildWidgets();
    // Starts TimerStart, so that the test starts about 100 ms after the dialog is shown.
    void FormShow();
    // Runs the test and closes the dialog with its result.
    void TimerStartTimer();

    const FormTable& formSelftest_;
    TRandomGenerator& generator_;
    Prompter& prompter_;
    SelftestRun run_;
    Wait wait_;
    ModalResult modalResult_ = ModalResult::Cancel;
    bool running_ = false;

    QPushButton* bitBtnClose_ = nullptr;
    QLineEdit* editZZ_ = nullptr;
    QLineEdit* editSum_ = nullptr;
    QLineEdit* editResult_ = nullptr;
    QProgressBar* progressBarZZ_ = nullptr;
    QTimer* timerStart_ = nullptr;
};

} // namespace kelvaron::gui
