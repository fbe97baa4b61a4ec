#include "core/selftest/SelftestRun.h"

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

TEST(SelftestRun, ACorrectGeneratorPassesAllTenPasses) {
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

TEST(SelftestRun, CancelDuringAPassCompletesAndJudgesThatPassThenStops) {
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

TEST(SelftestRun, AMismatchShowsTheZeroBasedPassNumberAndTheOtherPassesStillRun) {
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

TEST(SelftestRun, AMismatchInACancelledPassFailsWithoutANote) {
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

} // namespace
} // namespace kelvaron
