// The self-test: ten passes of the shared generator from fixed seeds, each sum compared exactly with the
// stored value. It proves that the generator, its shared table and the single-precision rounding of
// every value are the ones that reproduce stored lists.
#pragma once

#include "core/engine/TRandomGenerator.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kelvaron {

struct SelftestVector {
    std::int32_t seed;
    double expectedSum; // the exact sum of 101 single-precision values
};

inline constexpr std::array<SelftestVector, 10> kSelftestVectors = {{
    {1000, 0x1.a7fe047280000p+5},
    {2000, 0x1.aa7e8e2e80000p+5},
    {3000, 0x1.8f6da2ec80000p+5},
    {4000, 0x1.c035349340000p+5},
    {5000, 0x1.9591e6cfc0000p+5},
    {6000, 0x1.8d5bdbe1e0000p+5},
    {7000, 0x1.9de07f51c0000p+5},
    {8000, 0x1.80b924a800000p+5},
    {9000, 0x1.a4549b7980000p+5},
    {9999, 0x1.94e1ed6240000p+5},
}};

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

// The sum of one pass: one draw with the negated seed, then 100 with the positive seed.
[[nodiscard]] double selftestPassSum(TRandomGenerator& generator, std::int32_t seed);

} // namespace kelvaron
