// Properties that every list must have, checked over many designs drawn from fixed seeds.
#include "TestDesigns.h"
#include "support/ListTextShape.h"
#include "support/ModelFixture.h"
#include "support/ModelListParts.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron {
namespace {

using test::ListLine;
using test::ListLineKind;
using test::TestDesign;

constexpr int kDesigns = 150;

// The main window with one drawn design typed in.
struct Session : test::ModelFixture {
    explicit Session(const TestDesign& design) { entered = test::enterDesign(model, design); }

    [[nodiscard]] test::ListTextParts parts() const { return test::listTextPartsOf(model); }

    bool entered = false;
};

std::int64_t listedPatients(const TestDesign& design) {
    if (design.centerSizes.empty())
        return design.patients;
    std::int64_t total = 0;
    for (std::int32_t size : design.centerSizes)
        total += size;
    return total;
}

std::int64_t countOf(const std::vector<ListLine>& lines, ListLineKind kind) {
    return std::count_if(lines.begin(), lines.end(), [&](const ListLine& line) { return line.kind == kind; });
}

// The text of the list from the first center's heading up to the heading of center `center` (counted
// from 1), or to the end.
std::string_view centersBefore(std::string_view text, std::string_view prefix, std::size_t center) {
    std::size_t at = 0;
    for (std::size_t found = 0; found < center; ++found) {
        at = text.find("\n" + std::string(prefix) + " ", at);
        if (at == std::string_view::npos)
            return text;
        ++at;
    }
    return text.substr(0, at);
}

TEST(ListInvariants, EveryFixedBlockHoldsEachArmExactlyItsShare) {
    test::TestDesigns designs(20240611);
    for (int i = 0; i < kDesigns; ++i) {
        const TestDesign design = designs.fixedBlocks();
        Session session(design);
        ASSERT_TRUE(session.entered) << "design " << i;
        ASSERT_EQ(session.model.BitBtnStartClick(), GenerationOutcome::Generated) << "design " << i;
        EXPECT_TRUE(session.prompter.shown.empty()) << "design " << i;

        const auto lines = test::readListText(session.model.listText, session.parts());
        ASSERT_TRUE(lines.has_value()) << "design " << i;
        EXPECT_EQ(countOf(*lines, ListLineKind::PatientLine), listedPatients(design)) << "design " << i;
        test::BlockShares shares(design.ratios, design.fixedBlockSize);
        for (const ListLine& line : *lines)
            shares.add(line);
        EXPECT_TRUE(shares.fair()) << "design " << i;
    }
}

TEST(ListInvariants, ADesignGivesTheSameListEveryTime) {
    test::TestDesigns designs(7);
    for (int i = 0; i < kDesigns; ++i) {
        const TestDesign design = designs.any();
        Session session(design);
        ASSERT_TRUE(session.entered) << "design " << i;
        const GenerationOutcome first = session.model.BitBtnStartClick();
        const std::string text = session.model.listText;
        EXPECT_EQ(session.model.BitBtnStartClick(), first) << "design " << i;
        EXPECT_EQ(session.model.listText, text) << "design " << i;

        Session fresh(design);
        ASSERT_TRUE(fresh.entered) << "design " << i;
        EXPECT_EQ(fresh.model.BitBtnStartClick(), first) << "design " << i;
        EXPECT_EQ(fresh.model.listText, text) << "design " << i;
    }
}

TEST(ListInvariants, ACentersSeedAndListDoNotDependOnHowManyCentersFollow) {
    test::TestDesigns designs(99);
    for (int i = 0; i < kDesigns; ++i) {
        TestDesign design = designs.any();
        if (design.centerSizes.empty())
            design.centerSizes = {design.patients};
        TestDesign more = design;
        for (std::int32_t extra = 0; extra <= i % 3; ++extra)
            more.centerSizes.push_back(design.centerSizes.front());
        more.patients += static_cast<std::int32_t>(more.centerSizes.size() - design.centerSizes.size()) *
                         design.centerSizes.front();

        Session fewer(design);
        Session longer(more);
        ASSERT_TRUE(fewer.entered && longer.entered) << "design " << i;
        ASSERT_EQ(fewer.model.BitBtnStartClick(), GenerationOutcome::Generated) << "design " << i;
        ASSERT_EQ(longer.model.BitBtnStartClick(), GenerationOutcome::Generated) << "design " << i;
        const std::size_t centers = design.centerSizes.size();
        EXPECT_EQ(centersBefore(longer.model.listText, longer.model.centerLinePrefix(), centers + 1),
                  fewer.model.listText)
            << "design " << i;
    }
}

TEST(ListInvariants, EveryLineIsOneOfTheLineKindsOfAList) {
    test::TestDesigns designs(31337);
    for (int i = 0; i < kDesigns; ++i) {
        const TestDesign design = designs.any();
        Session session(design);
        ASSERT_TRUE(session.entered) << "design " << i;
        const GenerationOutcome outcome = session.model.BitBtnStartClick();
        const auto lines = test::readListText(session.model.listText, session.parts());
        ASSERT_TRUE(lines.has_value()) << "design " << i << ":\n" << session.model.listText;
        ASSERT_FALSE(lines->empty()) << "design " << i;

        EXPECT_EQ(lines->front().text, session.model.design.studyName) << "design " << i;
        const std::string seedLine =
            design.options.printSeed ? "Seed: (" + std::to_string(design.seed) + ")" : "";
        for (const ListLine& line : *lines) {
            if (line.kind == ListLineKind::PatientLine) {
                EXPECT_EQ(std::count(line.text.begin(), line.text.end(), '\t'), 2) << line.text;
            } else if (line.kind == ListLineKind::SeedLine) {
                EXPECT_EQ(line.text, seedLine);
            } else if (line.kind == ListLineKind::CenterHeading) {
                const bool showsSeed = line.text.find(" - Seed: (") != std::string_view::npos;
                EXPECT_EQ(showsSeed, design.options.printSeed) << line.text;
            }
        }
        EXPECT_EQ(countOf(*lines, ListLineKind::CenterHeading) > 0, !design.centerSizes.empty())
            << "design " << i;
        if (!design.options.markBlocks) {
            EXPECT_EQ(countOf(*lines, ListLineKind::BlockSeparator), 0) << "design " << i;
        }
        if (outcome == GenerationOutcome::Generated && session.prompter.shown.empty()) {
            EXPECT_EQ(countOf(*lines, ListLineKind::PatientLine), listedPatients(design)) << "design " << i;
            EXPECT_EQ(lines->back().kind == ListLineKind::BlockSeparator, design.options.markBlocks)
                << "design " << i;
        }
    }
}

} // namespace
} // namespace kelvaron
