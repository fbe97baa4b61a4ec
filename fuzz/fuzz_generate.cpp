// The whole "Generieren" flow from an arbitrary design file, as kelvaron-cli drives it: load the design,
// leave the design page, generate. The first byte chooses the answer to every question (bit 0: Yes),
// "Blöcke markieren" (bit 1) and "Seed ausgeben" (bit 2); the rest is the design file.
//
// Invariants: every input ends, within the program's own bounds; the list text consists of the line
// kinds of a list, and holds no patient line when the generation stopped; a list of fixed blocks that
// are multiples of the ratio sum gives each arm exactly its share of every block.
#include "FuzzSupport.h"
#include "core/design/Limits.h"
#include "core/i18n/FormLang.h"
#include "core/i18n/Forms.h"
#include "support/FakePrompter.h"
#include "support/ListTextShape.h"
#include "support/ModelFixture.h"
#include "support/ModelListParts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelvaron::fuzz {
namespace {

// Records every message, as the fake does, and gives the same answer to every question.
class AnsweringPrompter : public test::FakePrompter {
public:
    explicit AnsweringPrompter(bool yes) : yes_(yes) {}
    bool question(std::string_view text) override {
        static_cast<void>(FakePrompter::question(text));
        return yes_;
    }

private:
    bool yes_;
};

void checkList(const MainWindowModel& model, GenerationOutcome outcome) {
    const WorkingValues& working = model.working();
    const bool sharesAreExact = outcome == GenerationOutcome::Generated && working.fixedBlocks &&
                                working.fixedBlockSize > 0 && working.ratioSum > 0 &&
                                working.fixedBlockSize % working.ratioSum == 0;
    const test::ListTextParts parts = test::listTextPartsOf(model);
    test::ListTextReader reader(model.listText, parts);
    test::BlockShares shares(working.armRatios, sharesAreExact ? working.fixedBlockSize : 1);
    std::int64_t patientLines = 0;
    while (const auto line = reader.next()) {
        if (line->kind == test::ListLineKind::PatientLine)
            ++patientLines;
        if (sharesAreExact)
            shares.add(*line);
    }
    require(!reader.failed());
    require(patientLines <= limits::kMaxPatientLines);
    if (outcome == GenerationOutcome::Stopped)
        require(patientLines == 0);
    if (sharesAreExact)
        require(shares.fair());
}

} // namespace
} // namespace kelvaron::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvaron;
    using namespace kelvaron::fuzz;
    if (size == 0)
        return 0;
    static const ScratchFolder folder;
    static const FormTable formKelvaron = makeFormKelvaron();
    static const FormTable formLang = makeFormLang();
    const std::uint8_t choices = data[0];
    const auto path =
        folder.write("design.kvd", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    AnsweringPrompter prompter((choices & 1) != 0);
    test::FixedClock clock;
    TRandomGenerator generator;
    MainWindowModel model(prompter, clock, generator, formKelvaron, formLang);
    model.applyTranslation();
    model.showFirstPage();
    model.options = {(choices & 2) != 0, (choices & 4) != 0};
    model.loadDesign(path);
    if (!model.TabSheetDesignExit())
        return 0;
    const GenerationOutcome outcome = model.BitBtnStartClick();
    checkList(model, outcome);
    return 0;
}
