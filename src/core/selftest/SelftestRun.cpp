#include "core/selftest/SelftestRun.h"

#include "core/engine/GeneralNumberFormat.h"
#include "core/i18n/FixedTexts.h"

#include <string>

namespace kelvaron {

ModalResult SelftestRun::run(TRandomGenerator& generator, SelftestView& view) {
    bool passed = true;
    cancelRequested_ = false;
    for (int pass = 1; pass <= static_cast<int>(vectors_.size()); ++pass) {
        const auto& vector = vectors_[static_cast<std::size_t>(pass - 1)];
        // A re-initialises the shared table from the seed; B continues with that table.
        std::int32_t a = -vector.seed;
        std::int32_t b = vector.seed;
        double sum = generator.Draw(a);
        for (int i = 1; i <= 100; ++i) {
            const float x = generator.Draw(b);
            sum += x;
            const int shown = (pass - 1) * 10 + i / 10;
            view.showValue(std::to_string(shown) + ": " + formatGeneral(x, decimalSeparator_));
            // Stepping back and forth makes the bar repaint at once.
            view.setProgress(shown);
            view.setProgress(shown - 1);
            view.setProgress(shown);
            if (cancelRequested_)
                break;
        }
        view.showSum(formatGeneral(sum, decimalSeparator_));
        if (sum == vector.expectedSum) {
            view.showResult("#" + std::to_string(pass) + " - OK");
        } else {
            if (!cancelRequested_)
                view.note(std::string(fixed::kSelftestErrorPrefix) + std::to_string(pass - 1));
            passed = false;
        }
        view.processPendingEvents();
        view.wait(50);
        if (cancelRequested_)
            break;
    }
    view.wait(1000);
    return passed ? ModalResult::OK : ModalResult::Cancel;
}

} // namespace kelvaron
