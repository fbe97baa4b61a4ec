// The self-test dialog's script: the passes of the engine's self-test run value by value on the dialog's
// displays, with the dialog's waits, its cancel button and its modal result.
#pragma once

#include "core/engine/Selftest.h"

#include <span>
#include <string_view>

namespace kelvaron {

// What the self-test dialog shows while the passes run. Texts are Windows-1252.
class SelftestView {
public:
    virtual ~SelftestView() = default;
    virtual void showValue(std::string_view text) = 0;  // EditZZ
    virtual void showSum(std::string_view text) = 0;    // EditSum
    virtual void showResult(std::string_view text) = 0; // EditResult
    virtual void setProgress(int value) = 0;            // ProgressBarZZ, 0 ... 100
    virtual void note(std::string_view text) = 0;       // plain message
    // The one point where a click on the cancel button is handled.
    virtual void processPendingEvents() = 0;
    virtual void wait(int milliseconds) = 0;
};

enum class ModalResult { OK = 1, Cancel = 2 };

// The dialog's test run: the timer handler's algorithm without the timer.
class SelftestRun {
public:
    explicit SelftestRun(char decimalSeparator = '.',
                         std::span<const SelftestVector> vectors = kSelftestVectors)
        : decimalSeparator_(decimalSeparator), vectors_(vectors) {}

    // Runs the passes; returns OK when every pass that ran matched. A cancel requested while the run
    // processes events ends it after the pass in progress.
    [[nodiscard]] ModalResult run(TRandomGenerator& generator, SelftestView& view);

    void requestCancel() { cancelRequested_ = true; }
    [[nodiscard]] bool cancelRequested() const { return cancelRequested_; }

private:
    char decimalSeparator_;
    std::span<const SelftestVector> vectors_;
    bool cancelRequested_ = false;
};

} // namespace kelvaron
