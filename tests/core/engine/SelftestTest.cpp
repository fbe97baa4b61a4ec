#include "core/engine/Selftest.h"

#include "core/engine/GeneralNumberFormat.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

class RecordingView : public SelftestView {
public:
    std::vector<std::string> results, notes, sums;
    std::string lastValue;
    int progress = -1;
    int waitedMs = 0;
    int eventPasses = 0;
    std::function<void(int)> onEvents; // called with the number of the event pass

    void showValue(std::string_view text) override { lastValue = text; }
    void showSum(std::string_view text) override { sums.emplace_back(text); }
    void showResult(std::string_view text) override { results.emplace_back(text); }
    void setProgress(int value) override { progress = value; }
    void note(std::string_view text) override { notes.emplace_back(text); }
    void processPendingEvents() override {
        ++eventPasses;
        if (onEvents)
            onEvents(eventPasses);
    }
    void wait(int milliseconds) override { waitedMs += milliseconds; }
};

TEST(Selftest, EveryPassReproducesItsStoredSumExactly) {
    TRandomGenerator generator;
    for (const auto& vector : kSelftestVectors)
        EXPECT_EQ(selftestPassSum(generator, vector.seed), vector.expectedSum) << vector.seed;
}

TEST(Selftest, TheStoredSumsAreTheListedDecimals) {
    const std::vector<std::string> decimals = {"52.99903191998601", "53.31179462745786",  "49.92853340879083",
                                               "56.0259791854769",  "50.696241019293666", "49.66985298600048",
                                               "51.73461784236133", "48.09040194749832",  "52.54131216928363",
                                               "50.61031605489552"};
    for (std::size_t p = 0; p < decimals.size(); ++p)
        EXPECT_EQ(std::stod(decimals[p]), kSelftestVectors[p].expectedSum);
}

TEST(Selftest, ACorrectGeneratorPassesAllTenPasses) {
    TRandomGenerator generator;
    RecordingView view;
    SelftestRun run(',');
    EXPECT_EQ(run.run(generator, view), ModalResult::OK);
    ASSERT_EQ(view.results.size(), 10u);
    EXPECT_EQ(view.results.front(), "#1 - OK");
    EXPECT_EQ(view.results.back(), "#10 - OK");
    EXPECT_EQ(view.sums.back(), "50,6103160548955");
    EXPECT_EQ(view.progress, 100);
    EXPECT_TRUE(view.notes.empty());
    EXPECT_EQ(view.waitedMs, 10 * 50 + 1000);
}

TEST(Selftest, CancelDuringAPassCompletesAndJudgesThatPassThenStops) {
    TRandomGenerator generator;
    RecordingView view;
    SelftestRun run;
    view.onEvents = [&](int pass) {
        if (pass == 3)
            run.requestCancel();
    };
    EXPECT_EQ(run.run(generator, view), ModalResult::OK);
    EXPECT_EQ(view.results, (std::vector<std::string>{"#1 - OK", "#2 - OK", "#3 - OK"}));
    EXPECT_EQ(view.waitedMs, 3 * 50 + 1000);
}

TEST(Selftest, AMismatchShowsTheZeroBasedPassNumberAndTheOtherPassesStillRun) {
    auto vectors = kSelftestVectors;
    vectors[1].expectedSum += 0x1p-40;
    TRandomGenerator generator;
    RecordingView view;
    SelftestRun run('.', vectors);
    EXPECT_EQ(run.run(generator, view), ModalResult::Cancel);
    EXPECT_EQ(view.notes, (std::vector<std::string>{"Internal self test error - pass# 1"}));
    EXPECT_EQ(view.results.size(), 9u);
    EXPECT_EQ(view.results.back(), "#10 - OK");
}

TEST(Selftest, AMismatchInACancelledPassFailsWithoutANote) {
    auto vectors = kSelftestVectors;
    vectors[0].expectedSum = 0.0;
    TRandomGenerator generator;
    RecordingView view;
    SelftestRun run('.', vectors);
    run.requestCancel(); // cleared when the run starts, so pass 1 runs normally
    view.onEvents = [&](int) { run.requestCancel(); };
    EXPECT_EQ(run.run(generator, view), ModalResult::Cancel);
    EXPECT_EQ(view.notes.size(), 1u);
    EXPECT_EQ(view.eventPasses, 1);
}

TEST(GeneralNumberFormat, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {50.61031605489552, "50.6103160548955"},
        {0.19059444963932037, "0.19059444963932"},
        {0.5, "0.5"},
        {0.0, "0"},
        {100.0, "100"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {4.656612875245797e-10, "4.6566128752458E-10"},
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {-2.25, "-2.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value), c.text) << c.value;
    EXPECT_EQ(formatGeneral(0.25, ','), "0,25");
}

} // namespace
} // namespace kelvaron
