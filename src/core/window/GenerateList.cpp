#include "core/window/GenerateList.h"

#include "core/audit/RecordingPrompter.h"
#include "core/design/GenerationChecks.h"
#include "core/design/Limits.h"
#include "core/engine/BlockRandomization.h"
#include "core/engine/ListStream.h"
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

// The longest decimal text of a 32-bit number: a sign and ten digits.
constexpr std::int64_t kInt32Digits = 11;
// What the buffer reserves per patient line beside its description: two numbers, two tabs, a line feed.
constexpr auto kReservedPatientLineBytes = static_cast<std::size_t>(2 * kInt32Digits + 3);

// The bounds of the estimate below, each at least what the text can hold.
// A patient line beside its description: patient number, tab, arm number (up to kMaxArms), tab, line feed.
constexpr std::int64_t kArmNumberDigits = 6;
constexpr std::int64_t kPatientLineBytes = kInt32Digits + 1 + kArmNumberDigits + 1 + 1;
// The title's line feed and the seed line: "Seed: (", a seed, ")" and a line feed.
constexpr std::int64_t kTitleAndSeedLineBytes = 1 + 24;
// A center heading beside prefix, number and description: blank, tab, " - Seed: (", a seed, ")", line feed.
constexpr std::int64_t kCenterHeadingBytes = 40;

// A center's seed is one draw of the study's stream times 2^31: 0 ... 2^31 - 1.
constexpr std::int64_t kCenterSeedRange = std::int64_t{1} << 31;

class ListGeneration {
public:
    ListGeneration(const GenerationInput& input, TRandomGenerator& generator)
        : input_(input), generator_(generator), checked_{input.working, std::nullopt}, writer_(result_.text) {
        descriptions_.push_back(input.armDescriptionHeading);
        for (const auto& arm : input.design.arms.visible())
            descriptions_.push_back(arm.description);
    }

    GenerationResult run() && {
        writer_.line(input_.design.studyName);
        const GenerationCheckContext context{input_.design, input_.messages};
        if (!CheckGeneration(context, checked_) || !CheckGenerationLimits(context, checked_))
            return finish(GenerationOutcome::Stopped);
        if (estimatedTextBytes() > limits::kMaxListTextBytes) {
            input_.messages.show("MessageListTextTooLarge");
            checked_.pageToActivate = Page::Arme;
            return finish(GenerationOutcome::Stopped);
        }
        return input_.design.perCenterLists ? perCenter() : single();
    }

private:
    [[nodiscard]] const WorkingValues& working() const { return checked_.working; }

    GenerationResult single() {
        const std::int32_t seed = working().listSeed;
        if (input_.options.printSeed)
            writer_.text(fixed::kSeedLinePrefix).number(seed).text(fixed::kSeedSuffix);
        writer_.endLine();
        ListStream stream(generator_, seed);
        if (!blocks_.PlanBlocks(parameters(), working().patientCount, stream)) {
            input_.messages.show("MessageBlockRestictions");
            return finish(GenerationOutcome::Stopped);
        }
        allocateAndWrite(working().patientCount, stream);
        recordList(seed, {}, {});
        return finish(GenerationOutcome::Generated);
    }

    GenerationResult perCenter() {
        if (working().centerCount == 0) {
            input_.messages.prompter().note(fixed::kInternalError61);
            return finishWithoutText();
        }
        const std::vector<std::int32_t> centerSeeds = drawCenterSeeds();
        for (std::int32_t center = 1; center <= working().centerCount; ++center) {
            const auto size = strictInt32(plannedSizeText(input_.design, center));
            if (!size) {
                input_.messages.show("MessageCenterPatientCount");
                return finishWithoutText();
            }
            const std::int32_t seed = centerSeeds[static_cast<std::size_t>(center - 1)];
            writeCenterHeading(center, seed);
            ListStream stream(generator_, seed);
            if (!blocks_.PlanBlocks(parameters(), *size, stream)) {
                input_.messages.show("MessageBlockRestictions");
                recordFailedCenter(center, seed);
                continue;
            }
            allocateAndWrite(*size, stream);
            recordCenter(center, seed);
        }
        return finish(GenerationOutcome::Generated);
    }

    // All center seeds come first, so a center's seed does not depend on how many centers follow.
    [[nodiscard]] std::vector<std::int32_t> drawCenterSeeds() {
        ListStream study(generator_, working().listSeed);
        std::vector<std::int32_t> seeds;
        seeds.reserve(static_cast<std::size_t>(std::max(working().centerCount, 0)));
        for (std::int32_t center = 1; center <= working().centerCount; ++center)
            seeds.push_back(static_cast<std::int32_t>(truncatedProduct(study.Draw(), kCenterSeedRange)));
        return seeds;
    }

    void writeCenterHeading(std::int32_t center, std::int32_t seed) {
        const auto& centers = input_.design.centers;
        const bool listed = centers.contains(center);
        writer_.text(input_.centerLinePrefix)
            .text(" ")
            .text(listed ? centers.at(center).number : std::string_view())
            .tab()
            .text(listed ? centers.at(center).description : std::string_view());
        if (input_.options.printSeed)
            writer_.text(fixed::kCenterSeedPrefix).number(seed).text(fixed::kSeedSuffix);
        writer_.endLine();
    }

    void allocateAndWrite(std::int32_t n, ListStream& stream) {
        if (blocks_.AllocateArms(n, working().armRatios, stream) == Allocation::Incomplete)
            input_.messages.show("MessageInvalidParameter");
        reserveFor(n);
        writePatientLines(writer_, blocks_.patientArms(), blocks_.blockSizes(), descriptions_,
                          input_.options.markBlocks ? &input_.blockSeparatorLine : nullptr);
    }

    // The list just allocated: its seed as printed, its block plan and its patients' arms.
    void recordList(std::int32_t seed, std::string_view centerNumber, std::string_view centerDescription) {
        ListRecord& list = result_.lists.emplace_back();
        list.perCenter = input_.design.perCenterLists;
        list.centerNumber = centerNumber;
        list.centerDescription = centerDescription;
        list.seed = seed;
        const auto& plan = blocks_.blockSizes();
        list.blockSizes.assign(plan.begin(), std::find(plan.begin(), plan.end(), 0));
        list.patientArms = blocks_.patientArms();
    }
    void recordCenter(std::int32_t center, std::int32_t seed) {
        const auto& centers = input_.design.centers;
        if (centers.contains(center))
            recordList(seed, centers.at(center).number, centers.at(center).description);
        else
            recordList(seed, {}, {});
    }
    void recordFailedCenter(std::int32_t center, std::int32_t seed) {
        recordCenter(center, seed);
        result_.lists.back().blockSizes.clear();
        result_.lists.back().patientArms.clear();
    }

    // Room for n patient lines and their separators, so a long list is written without reallocations.
    // A list of no or a negative number of patients has no line to make room for.
    void reserveFor(std::int32_t n) {
        if (n <= 0)
            return;
        std::size_t longest = 0;
        for (auto description : descriptions_)
            longest = std::max(longest, description.size());
        const std::size_t perLine =
            kReservedPatientLineBytes + longest + input_.blockSeparatorLine.size() / 2;
        result_.text.reserve(result_.text.size() + static_cast<std::size_t>(n) * perLine);
    }

    // An upper bound of the list text's size, from the checked working values: long descriptions in a
    // long list could otherwise ask for more memory than any machine has.
    [[nodiscard]] std::int64_t estimatedTextBytes() const {
        const auto& design = input_.design;
        std::int64_t longest = 0;
        for (auto description : descriptions_)
            longest = std::max<std::int64_t>(longest, static_cast<std::int64_t>(description.size()));
        const std::int64_t perPatient = kPatientLineBytes + longest;
        // A block holds at least the smallest candidate of the variable mode, or the fixed size.
        const std::int64_t smallestBlock = working().fixedBlocks
                                               ? working().fixedBlockSize
                                               : static_cast<std::int64_t>(working().armCount) *
                                                     (working().minBlockSize / working().armCount);
        const std::int64_t separator =
            input_.options.markBlocks ? static_cast<std::int64_t>(input_.blockSeparatorLine.size()) + 1 : 0;
        auto listBytes = [&](std::int64_t n) {
            return n <= 0 ? 0
                          : n * perPatient + (n / std::max<std::int64_t>(smallestBlock, 1) + 1) * separator;
        };
        std::int64_t total = static_cast<std::int64_t>(design.studyName.size()) + kTitleAndSeedLineBytes;
        if (!design.perCenterLists)
            return total + listBytes(working().patientCount);
        for (std::int32_t center = 1; center <= working().centerCount; ++center) {
            std::int64_t heading =
                static_cast<std::int64_t>(input_.centerLinePrefix.size()) + kCenterHeadingBytes;
            if (design.centers.contains(center)) {
                const auto& entry = design.centers.at(center);
                heading += static_cast<std::int64_t>(entry.number.size() + entry.description.size());
            }
            total += heading + listBytes(strictInt32(plannedSizeText(design, center)).value_or(0));
        }
        return total;
    }

    [[nodiscard]] BlockParameters parameters() const {
        return {working().fixedBlocks, working().fixedBlockSize, working().minBlockSize,
                working().maxBlockSize, working().armCount};
    }

    GenerationResult finish(GenerationOutcome outcome) {
        result_.outcome = outcome;
        result_.pageToActivate = checked_.pageToActivate;
        result_.working = std::move(checked_.working);
        return std::move(result_);
    }
    GenerationResult finishWithoutText() {
        result_.text.clear();
        return finish(GenerationOutcome::Stopped);
    }

    const GenerationInput& input_;
    TRandomGenerator& generator_;
    CheckedDesign checked_;
    GenerationResult result_;
    ListTextWriter writer_;
    BlockRandomization blocks_;
    std::vector<std::string_view> descriptions_;
};

} // namespace

GenerationResult generateList(const GenerationInput& input, TRandomGenerator& generator) {
    RecordingPrompter recorder(input.messages.prompter());
    const Messages recordingMessages(input.messages.formLang(), recorder);
    const GenerationInput recorded{input.design,
                                   input.working,
                                   recordingMessages,
                                   input.options,
                                   input.blockSeparatorLine,
                                   input.centerLinePrefix,
                                   input.armDescriptionHeading};
    GenerationResult result = ListGeneration(recorded, generator).run();
    result.questions = recorder.takeQuestions();
    return result;
}

GenerationRecord takeGenerationRecord(const TStudyDesign& design, const ListOptions& options,
                                      GenerationResult& result) {
    GenerationRecord record;
    record.design = design;
    record.armRatios = result.working.armRatios;
    record.markBlocks = options.markBlocks;
    record.printSeed = options.printSeed;
    record.questions = std::move(result.questions);
    record.studySeed = result.working.listSeed;
    record.lists = std::move(result.lists);
    return record;
}

} // namespace kelvaron
