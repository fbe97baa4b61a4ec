#include "core/design/GenerationChecks.h"

#include "core/design/Limits.h"
#include "core/engine/Int32.h"
#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormLang.h"
#include "core/platform/Prompter.h"
#include "core/text/NumberConversion.h"

#include <algorithm>
#include <limits>
#include <string>

namespace kelvaron {
namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLargestBlockFullyDrawn = std::int64_t{1} << 23;
const std::string kNoText;

// Converts one text strictly; on failure shows the catalogue note `key`.
bool convert(const GenerationCheckContext& context, const std::string& text, std::int32_t& value,
             std::string_view key) {
    const auto converted = strictInt32(text);
    if (!converted) {
        context.messages.show(key);
        return false;
    }
    value = *converted;
    return true;
}

// Reads the ratios of arms 1 to armCount into armRatios and ratioSum (the sum wraps, as 32-bit
// arithmetic defines it); `exactSum` receives the sum without wrapping.
bool readRatios(const GenerationCheckContext& context, WorkingValues& working, std::int64_t& exactSum) {
    working.armRatios.clear();
    exactSum = 0;
    for (std::int32_t arm = 1; arm <= working.armCount; ++arm) {
        std::int32_t ratio = 0;
        if (!convert(context, ratioText(context.design, arm), ratio, "MessageValidRatio"))
            return false;
        working.armRatios.push_back(ratio);
        working.ratioSum = int32::add(working.ratioSum, ratio);
        exactSum += ratio;
    }
    return true;
}

bool refuse(const GenerationCheckContext& context, CheckedDesign& checked, std::string_view key, Page page) {
    context.messages.show(key);
    checked.pageToActivate = page;
    return false;
}

bool ratiosUsable(const WorkingValues& working, std::int64_t exactSum) {
    const bool anyNegative =
        std::any_of(working.armRatios.begin(), working.armRatios.end(), [](std::int32_t r) { return r < 0; });
    return !anyNegative && exactSum > 0 && exactSum <= kInt32Max;
}

// The rules shared by equal and unequal ratios; they differ only in the divisor and the texts.
struct SampleSizeTexts {
    std::string sampleSize;    // question: the divisor does not divide n
    std::string blockSize;     // question: the divisor does not divide the fixed block size
    std::string blockPatients; // notice: the fixed block size does not divide n
    std::string minBelowMax;   // notice: smallest block size not below the largest
    std::string minBlockSize;  // question: the smallest block size does not suit the divisor or n
};

bool checkAgainstDivisor(const GenerationCheckContext& context, CheckedDesign& checked, std::int32_t n,
                         std::int32_t divisor, const SampleSizeTexts& texts) {
    const auto& working = checked.working;
    auto& prompter = context.messages.prompter();
    if (int32::mod(n, divisor) != 0 && prompter.question(texts.sampleSize)) {
        checked.pageToActivate = Page::Arme;
        return false;
    }
    if (working.fixedBlocks) {
        if (working.fixedBlockSize <= 0)
            return refuse(context, checked, "MessageBlockSizeRange", Page::Block);
        if (int32::mod(working.fixedBlockSize, divisor) != 0 && prompter.question(texts.blockSize)) {
            checked.pageToActivate = Page::Arme;
            return false;
        }
        if (int32::mod(n, working.fixedBlockSize) == 0)
            return true;
        prompter.box(texts.blockPatients);
        checked.pageToActivate = Page::Block;
        return false;
    }
    if (working.minBlockSize >= working.maxBlockSize) {
        prompter.box(texts.minBelowMax);
        checked.pageToActivate = Page::Block;
        return false;
    }
    const bool minSuits = divisor <= working.minBlockSize && int32::mod(working.minBlockSize, divisor) <= 0 &&
                          working.minBlockSize <= int32::div(n, 2);
    if (minSuits)
        return true;
    if (prompter.question(texts.minBlockSize)) {
        checked.pageToActivate = Page::Block;
        return false;
    }
    return true;
}

} // namespace

const std::string& ratioText(const TStudyDesign& design, std::int32_t arm) {
    return design.arms.contains(arm) ? design.arms.at(arm).ratio : kNoText;
}

const std::string& plannedSizeText(const TStudyDesign& design, std::int32_t center) {
    return design.centers.contains(center) ? design.centers.at(center).plannedSize : kNoText;
}

bool CheckGeneration(const GenerationCheckContext& context, CheckedDesign& checked) {
    auto& working = checked.working;
    const auto& design = context.design;
    working.ratioSum = 0;
    working.fixedBlocks = design.blockMode == BlockMode::Fixed;

    const auto seed = strictInt32(design.seed);
    if (!seed) {
        context.messages.show("MessageValidNumber", "2147483647");
        return false;
    }
    // |seed|, with -2147483648 staying itself; the generator starts that one like seed 1.
    working.listSeed = *seed < 0 ? int32::negate(*seed) : *seed;

    std::int64_t exactSum = 0;
    if (!readRatios(context, working, exactSum))
        return false;

    if (working.fixedBlocks) {
        if (!convert(context, design.fixedBlockSize, working.fixedBlockSize, "MessageValidBlockSize"))
            return false;
    } else {
        if (!convert(context, design.minBlockSize, working.minBlockSize, "MessageValidBlockSize") ||
            !convert(context, design.maxBlockSize, working.maxBlockSize, "MessageValidBlockSize"))
            return false;
    }

    if (!CheckSampleSize(context, checked, working.patientCount))
        return false;
    if (!design.perCenterLists)
        return true;

    if (!convert(context, design.centerCount, working.centerCount, "MessageCenterCount"))
        return false;
    for (std::int32_t center = 1; center <= working.centerCount; ++center) {
        std::int32_t size = 0;
        if (!convert(context, plannedSizeText(design, center), size, "MessageCenterPatientCount"))
            return false;
        if (!CheckSampleSize(context, checked, size))
            return false;
    }
    return true;
}

bool CheckSampleSize(const GenerationCheckContext& context, CheckedDesign& checked, std::int32_t n) {
    auto& working = checked.working;
    const auto& design = context.design;
    working.ratioSum = 0;
    if (!convert(context, design.armCount, working.armCount, "MessageArmCount")) {
        checked.pageToActivate = Page::Design;
        return false;
    }
    if (!convert(context, design.patientCount, working.patientCount, "MessagePatientCount")) {
        checked.pageToActivate = Page::Design;
        return false;
    }
    if (working.armCount > working.patientCount) {
        context.messages.show("MessageArmPatientCount");
        checked.pageToActivate = Page::Design;
    }
    std::int64_t exactSum = 0;
    if (!readRatios(context, working, exactSum))
        return false;

    // The arm count and the ratio sum become divisors below, and the allocation's quotas must add up
    // to at most a block: refuse what cannot be computed.
    if (working.armCount < 1 || working.armCount > limits::kMaxArms)
        return refuse(context, checked, "MessageArmCountRange", Page::Design);
    if (!ratiosUsable(working, exactSum))
        return refuse(context, checked, "MessageRatioRange", Page::Arme);

    if (working.ratioSum == working.armCount) {
        const SampleSizeTexts texts{
            std::string(fixed::kArmCountSampleSize), std::string(fixed::kArmCountBlockSize),
            std::string(fixed::kBlockSizePatientCount), std::string(fixed::kMinBelowMaxBlockSize),
            std::string(fixed::kMinBlockSizeArmCount)};
        return checkAgainstDivisor(context, checked, n, working.armCount, texts);
    }
    const auto& messages = context.messages;
    const SampleSizeTexts texts{messages.text("MessageRatioSampleSize"),
                                messages.text("MessageRatioSampleSize"),
                                messages.text("MessageRatioSampleSize2"), messages.text("MessageBlockSize"),
                                messages.text("MessageBlockSizeRatio")};
    return checkAgainstDivisor(context, checked, n, working.ratioSum, texts);
}

bool CheckGenerationLimits(const GenerationCheckContext& context, CheckedDesign& checked) {
    const auto& working = checked.working;
    const auto& design = context.design;
    std::int64_t total = 0;
    std::int32_t longest = 0;
    auto addList = [&](std::int32_t n) {
        total += std::max(n, 0);
        longest = std::max(longest, n);
    };
    if (design.perCenterLists) {
        if (working.centerCount < 0 || working.centerCount > limits::kMaxCenters)
            return refuse(context, checked, "MessageCenterCountRange", Page::Design);
        for (std::int32_t center = 1; center <= working.centerCount; ++center)
            addList(strictInt32(plannedSizeText(design, center)).value_or(0));
    } else {
        addList(working.patientCount);
    }
    if (total > limits::kMaxPatientLines)
        return refuse(context, checked, "MessageListTooLong", Page::Design);

    std::int64_t largestBlock = working.fixedBlockSize;
    if (!working.fixedBlocks) {
        // A minimum below the arm count (the user declined to cancel) would allow blocks of size 0.
        if (working.minBlockSize < working.armCount)
            return refuse(context, checked, "MessageMinBlockSizeRange", Page::Block);
        const std::int32_t choices = (working.maxBlockSize - working.minBlockSize) / working.armCount;
        largestBlock =
            static_cast<std::int64_t>(working.armCount) * (choices + working.minBlockSize / working.armCount);
        if (longest + largestBlock > kInt32Max)
            return refuse(context, checked, "MessageBlockSizeTooLarge", Page::Block);
    }
    largestBlock = std::min<std::int64_t>(largestBlock, longest);
    for (std::int32_t ratio : working.armRatios) {
        if (ratio * largestBlock > kInt32Max)
            return refuse(context, checked, "MessageBlockSizeTooLarge", Page::Block);
    }
    // A drawn position is at most (1 - 2^-23) times the block size, so the last position of a larger
    // block is never drawn and only the last arm can take it. With that arm's ratio 0 the other arms'
    // shares fill the whole block, and the allocation would draw for that position forever.
    if (largestBlock > kLargestBlockFullyDrawn && !working.armRatios.empty() && working.armRatios.back() == 0)
        return refuse(context, checked, "MessageBlockSizeTooLarge", Page::Block);
    return true;
}

} // namespace kelvaron
