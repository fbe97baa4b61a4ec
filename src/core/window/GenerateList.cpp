#include "core/window/GenerateList.h"

#include "core/design/GenerationChecks.h"
#include "core/design/Limits.h"
#include "core/engine/BlockRandomization.h"
#include "core/engine/Int32.h"
#include "core/engine/ListText.h"
#include "core/engine/TRandomGenerator.h"
#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormLang.h"
#include "core/platform/Prompter.h"
#include "core/text/NumberConversion.h"

#include <algorithm>
#include <vector>

namespace kelvaron {
namespace {

class ListGeneration {
public:
    explicit ListGeneration(const GenerationInput& input)
        : input_(input), blocks_(input.generator, input.working.stateWord), writer_(buffer_) {
        descriptions_.push_back(input.armDescriptionHeading);
        for (const auto& arm : input.design.arms.visible())
            descriptions_.push_back(arm.description);
    }

    GeneratedList run() {
        writer_.line(input_.design.studyName);
        GenerationCheckContext checks{input_.design, input_.working, input_.messages, input_.activePage};
        if (!CheckGeneration(checks) || !CheckGenerationLimits(checks))
            return stopped();
        if (estimatedTextBytes() > limits::kMaxListTextBytes) {
            input_.messages.show("MessageListTextTooLarge");
            input_.activePage = Page::Arme;
            return stopped();
        }
        return input_.design.perCenterLists ? perCenter() : single();
    }

private:
    GeneratedList single() {
        auto& working = input_.working;
        if (input_.options.printSeed)
            writer_.text(fixed::kSeedLinePrefix)
                .number(int32::negate(working.stateWord))
                .text(fixed::kSeedSuffix);
        writer_.endLine();
        if (!blocks_.PlanBlocks(parameters(), working.patientCount)) {
            input_.messages.show("MessageBlockRestictions");
            return stopped();
        }
        allocateAndWrite(working.patientCount);
        return generated();
    }

    GeneratedList perCenter() {
        auto& working = input_.working;
        auto& prompter = input_.messages.prompter();
        if (working.centerCount == 0) {
            prompter.note(fixed::kInternalError61);
            return empty();
        }
        // All center seeds come first, so a center's seed does not depend on how many centers follow.
        std::vector<std::int32_t> centerSeeds;
        centerSeeds.reserve(static_cast<std::size_t>(working.centerCount > 0 ? working.centerCount : 0));
        for (std::int32_t center = 1; center <= working.centerCount; ++center) {
            const auto drawn = truncatedProduct(input_.generator.Draw(working.stateWord), 2147483648LL);
            centerSeeds.push_back(static_cast<std::int32_t>(-drawn));
        }
        const auto& centers = input_.design.centers;
        for (std::int32_t center = 1; center <= working.centerCount; ++center) {
            const auto size = strictInt32(plannedSizeText(input_.design, center));
            if (!size) {
                input_.messages.show("MessageCenterPatientCount");
                return empty();
            }
            const std::int32_t seed = centerSeeds[static_cast<std::size_t>(center - 1)];
            const bool listed = centers.contains(center);
            writer_.text(input_.centerLinePrefix)
                .text(" ")
                .text(listed ? centers.at(center).number : std::string_view())
                .tab()
                .text(listed ? centers.at(center).description : std::string_view());
            if (input_.options.printSeed)
                writer_.text(fixed::kCenterSeedPrefix).number(int32::negate(seed)).text(fixed::kSeedSuffix);
            writer_.endLine();
            working.stateWord = seed;
            if (!blocks_.PlanBlocks(parameters(), *size)) {
                input_.messages.show("MessageBlockRestictions");
                continue;
            }
            allocateAndWrite(*size);
        }
        return generated();
    }

    void allocateAndWrite(std::int32_t n) {
        if (blocks_.AllocateArms(n, input_.working.armRatios) == Allocation::Incomplete)
            input_.messages.show("MessageInvalidParameter");
        reserveFor(n);
        writePatientLines(writer_, blocks_.patientArms(), blocks_.blockSizes(), descriptions_,
                          input_.options.markBlocks ? &input_.blockSeparatorLine : nullptr);
    }

    // Room for n patient lines and their separators, so a long list is written without reallocations.
    void reserveFor(std::int32_t n) {
        std::size_t longest = 0;
        for (auto description : descriptions_)
            longest = std::max(longest, description.size());
        const std::size_t perLine = 2 * 11 + 3 + longest + input_.blockSeparatorLine.size() / 2;
        buffer_.reserve(buffer_.size() + static_cast<std::size_t>(n) * perLine);
    }

    // An upper bound of the list text's size, from the checked working values: long descriptions in a
    // long list could otherwise ask for more memory than any machine has.
    [[nodiscard]] std::int64_t estimatedTextBytes() const {
        const auto& working = input_.working;
        const auto& design = input_.design;
        std::int64_t longest = 0;
        for (auto description : descriptions_)
            longest = std::max<std::int64_t>(longest, static_cast<std::int64_t>(description.size()));
        const std::int64_t perPatient = 11 + 1 + 6 + 1 + longest + 1;
        // A block holds at least the smallest candidate of the variable mode, or the fixed size.
        const std::int64_t smallestBlock =
            working.fixedBlocks
                ? working.fixedBlockSize
                : static_cast<std::int64_t>(working.armCount) * (working.minBlockSize / working.armCount);
        const std::int64_t separator =
            input_.options.markBlocks ? static_cast<std::int64_t>(input_.blockSeparatorLine.size()) + 1 : 0;
        auto listBytes = [&](std::int64_t n) {
            return n <= 0 ? 0
                          : n * perPatient + (n / std::max<std::int64_t>(smallestBlock, 1) + 1) * separator;
        };
        std::int64_t total = static_cast<std::int64_t>(design.studyName.size()) + 1 + 24;
        if (!design.perCenterLists)
            return total + listBytes(working.patientCount);
        for (std::int32_t center = 1; center <= working.centerCount; ++center) {
            std::int64_t heading = static_cast<std::int64_t>(input_.centerLinePrefix.size()) + 40;
            if (design.centers.contains(center)) {
                const auto& entry = design.centers.at(center);
                heading += static_cast<std::int64_t>(entry.number.size() + entry.description.size());
            }
            total += heading + listBytes(strictInt32(plannedSizeText(design, center)).value_or(0));
        }
        return total;
    }

    [[nodiscard]] BlockParameters parameters() const {
        const auto& working = input_.working;
        return {working.fixedBlocks, working.fixedBlockSize, working.minBlockSize, working.maxBlockSize,
                working.armCount};
    }

    GeneratedList generated() { return {std::move(buffer_), GenerationOutcome::Generated}; }
    GeneratedList stopped() { return {std::move(buffer_), GenerationOutcome::Stopped}; }
    static GeneratedList empty() { return {std::string(), GenerationOutcome::Stopped}; }

    const GenerationInput& input_;
    BlockRandomization blocks_;
    std::string buffer_;
    ListTextWriter writer_;
    std::vector<std::string_view> descriptions_;
};

} // namespace

GeneratedList generateList(const GenerationInput& input) {
    return ListGeneration(input).run();
}

} // namespace kelvaron
