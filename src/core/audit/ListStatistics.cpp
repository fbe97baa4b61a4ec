#include "core/audit/ListStatistics.h"

#include "core/audit/BlockCursor.h"

#include <algorithm>
#include <numeric>

namespace kelvaron {
namespace {

// Tracks the largest deviation. Between two patients of arm i its count is constant, so
// |count_i * S - k * ratio_i| is the absolute value of a straight line in k and is largest at one end of
// that stretch: looking at the ends alone finds the exact maximum in one pass, however many arms there are.
class DeviationSearch {
public:
    DeviationSearch(std::span<const std::int32_t> ratios, std::int64_t ratioSum)
        : ratios_(ratios), ratioSum_(ratioSum) {
        best_.ratioSum = ratioSum;
    }

    void consider(std::int32_t arm, std::int64_t position, std::int64_t count) {
        const std::int64_t ratio = ratios_[static_cast<std::size_t>(arm - 1)];
        const std::int64_t signedGap = count * ratioSum_ - position * ratio;
        const auto gap = static_cast<std::uint64_t>(signedGap < 0 ? -signedGap : signedGap);
        const bool first = best_.position == 0;
        if (first || gap > best_.numerator ||
            (gap == best_.numerator &&
             (position < best_.position || (position == best_.position && arm < best_.arm)))) {
            best_.numerator = gap;
            best_.position = position;
            best_.arm = arm;
        }
    }

    [[nodiscard]] const RatioDeviation& best() const { return best_; }

private:
    std::span<const std::int32_t> ratios_;
    std::int64_t ratioSum_;
    RatioDeviation best_;
};

} // namespace

ListStatistics listStatistics(const ListRecord& list, std::span<const std::int32_t> armRatios) {
    const auto armCount = static_cast<std::int32_t>(armRatios.size());
    const std::int64_t ratioSum =
        std::max<std::int64_t>(std::accumulate(armRatios.begin(), armRatios.end(), std::int64_t{0}), 1);
    const auto n = static_cast<std::int64_t>(list.patientArms.size());

    ListStatistics statistics;
    statistics.patientsPerArm.assign(armRatios.size(), 0);
    statistics.deviation.ratioSum = ratioSum;
    auto& counts = statistics.patientsPerArm;
    auto countOf = [&](std::int32_t arm) -> std::int64_t& {
        return counts[static_cast<std::size_t>(arm - 1)];
    };

    DeviationSearch search(armRatios, ratioSum);
    BlockCursor cursor(list.blockSizes);
    std::int64_t lastBlock = 0;
    for (std::int64_t k = 1; k <= n; ++k) {
        cursor.advance();
        if (cursor.block() != 0 && cursor.block() != lastBlock) {
            ++statistics.blocksBySize[cursor.blockSize()];
            lastBlock = cursor.block();
        }
        const std::int32_t arm = list.patientArms[static_cast<std::size_t>(k - 1)];
        if (arm < 1 || arm > armCount) {
            ++statistics.unassigned;
        } else {
            if (k > 1)
                search.consider(arm, k - 1, countOf(arm)); // the end of the stretch before this patient
            ++countOf(arm);
            search.consider(arm, k, countOf(arm)); // the start of the next stretch
        }
        if (k == 1) {
            for (std::int32_t i = 1; i <= armCount; ++i)
                search.consider(i, 1, countOf(i));
        }
    }
    if (n > 0) {
        for (std::int32_t i = 1; i <= armCount; ++i)
            search.consider(i, n, countOf(i));
        statistics.deviation = search.best();
    }
    return statistics;
}

std::string twoDecimals(const RatioDeviation& deviation) {
    const auto divisor = static_cast<std::uint64_t>(std::max<std::int64_t>(deviation.ratioSum, 1));
    // The remainder is below the divisor (< 2^32), so 200 times it stays far inside 64 bits.
    const std::uint64_t hundredths =
        deviation.numerator / divisor * 100 + (deviation.numerator % divisor * 200 + divisor) / (2 * divisor);
    const std::uint64_t cents = hundredths % 100;
    return std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

} // namespace kelvaron
