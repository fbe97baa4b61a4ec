// Valid study designs drawn from a fixed seed, entered into the main window as a user would type them.
// std::mt19937's sequence is fixed by the language standard, so every run on every platform tests the
// same designs.
#pragma once

#include "core/window/MainWindowModel.h"

#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace kelvaron::test {

struct TestDesign {
    std::vector<std::int32_t> ratios;
    bool fixedBlocks = true;
    std::int32_t fixedBlockSize = 0;
    std::int32_t minBlockSize = 0;
    std::int32_t maxBlockSize = 0;
    std::int32_t patients = 0;             // the study's patient count
    std::vector<std::int32_t> centerSizes; // empty: one list for the study
    std::int32_t seed = 1;
    ListOptions options;

    [[nodiscard]] std::int32_t ratioSum() const { return std::accumulate(ratios.begin(), ratios.end(), 0); }
    [[nodiscard]] std::int32_t armCount() const { return static_cast<std::int32_t>(ratios.size()); }
};

class TestDesigns {
public:
    explicit TestDesigns(std::uint32_t seed) : engine_(seed) {}

    // Fixed blocks that are multiples of the ratio sum, lists that are multiples of the block size, and
    // at least as many patients as arms: a design that passes every check without a question. Ratios of
    // 0 occur, so that an arm may get no share at all.
    TestDesign fixedBlocks() {
        TestDesign design = common(0);
        const std::int32_t blockSize = design.ratioSum() * between(1, 4);
        design.fixedBlockSize = blockSize;
        const std::int32_t fewestBlocks = (design.armCount() + blockSize - 1) / blockSize;
        design.patients = blockSize * between(fewestBlocks, fewestBlocks + 5);
        if (coin())
            design.centerSizes = centers(blockSize, 1, design.armCount());
        if (!design.centerSizes.empty())
            design.patients = std::accumulate(design.centerSizes.begin(), design.centerSizes.end(), 0);
        return design;
    }

    // Block sizes varying between a multiple of the ratio sum and a larger size, each list at least twice
    // the smallest block. The checks pass without a question; the block planning may still fail.
    TestDesign variableBlocks() {
        TestDesign design = common(1);
        const std::int32_t sum = design.ratioSum();
        const std::int32_t smallest = between(1, 3);
        design.fixedBlocks = false;
        design.minBlockSize = sum * smallest;
        design.maxBlockSize = design.minBlockSize + between(1, 2 * sum);
        design.patients = sum * between(2 * smallest, 2 * smallest + 10);
        if (coin())
            design.centerSizes = centers(sum, 2 * smallest, design.armCount());
        if (!design.centerSizes.empty())
            design.patients = std::accumulate(design.centerSizes.begin(), design.centerSizes.end(), 0);
        return design;
    }

    TestDesign any() { return coin() ? fixedBlocks() : variableBlocks(); }

private:
    std::int32_t between(std::int32_t low, std::int32_t high) {
        return low + static_cast<std::int32_t>(engine_() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool coin() { return engine_() % 2 == 0; }

    TestDesign common(std::int32_t smallestRatio) {
        TestDesign design;
        design.ratios.resize(static_cast<std::size_t>(between(1, 6)));
        for (auto& ratio : design.ratios)
            ratio = between(smallestRatio, 4);
        if (design.ratioSum() == 0)
            design.ratios.front() = 1;
        design.seed = 1 + static_cast<std::int32_t>(engine_() % 2147483647u);
        design.options = {coin(), coin()};
        return design;
    }

    // One to four centers whose sizes are multiples of `unit`, each at least `fewestUnits` units, together
    // at least `patients` patients.
    std::vector<std::int32_t> centers(std::int32_t unit, std::int32_t fewestUnits, std::int32_t patients) {
        std::vector<std::int32_t> sizes(static_cast<std::size_t>(between(1, 4)));
        std::int32_t total = 0;
        for (auto& size : sizes) {
            size = unit * between(fewestUnits, fewestUnits + 4);
            total += size;
        }
        if (total < patients)
            sizes.back() += unit * ((patients - total + unit - 1) / unit);
        return sizes;
    }

    std::mt19937 engine_;
};

// Types the design into the window's fields, leaves the design page (which builds the arm and center
// lists) and fills the grids. False when the design page check keeps the user on the page.
inline bool enterDesign(MainWindowModel& model, const TestDesign& entered) {
    TStudyDesign& design = model.design;
    design.studyName = "Studie " + std::to_string(entered.seed);
    design.armCount = std::to_string(entered.armCount());
    design.patientCount = std::to_string(entered.patients);
    design.perCenterLists = !entered.centerSizes.empty();
    design.centerCount = std::to_string(entered.centerSizes.size());
    design.blockMode = entered.fixedBlocks ? BlockMode::Fixed : BlockMode::Variable;
    design.fixedBlockSize = std::to_string(entered.fixedBlockSize);
    design.minBlockSize = std::to_string(entered.minBlockSize);
    design.maxBlockSize = std::to_string(entered.maxBlockSize);
    design.seed = std::to_string(entered.seed);
    model.options = entered.options;
    if (!model.TabSheetDesignExit())
        return false;
    for (std::int32_t arm = 1; arm <= entered.armCount(); ++arm) {
        design.arms.at(arm).ratio = std::to_string(entered.ratios[static_cast<std::size_t>(arm - 1)]);
        design.arms.at(arm).description = "Therapie " + std::string(1, static_cast<char>('A' + arm - 1));
    }
    for (std::int32_t center = 1; center <= static_cast<std::int32_t>(entered.centerSizes.size()); ++center) {
        design.centers.at(center).plannedSize =
            std::to_string(entered.centerSizes[static_cast<std::size_t>(center - 1)]);
        design.centers.at(center).description = "Klinik " + std::to_string(center);
    }
    return true;
}

} // namespace kelvaron::test
