// A Prompter that passes every message on to another one and keeps each question asked with the answer
// given, so a generation can state the questions its checks asked.
#pragma once

#include "core/audit/GenerationRecord.h"
#include "core/platform/Prompter.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvaron {

class RecordingPrompter : public Prompter {
public:
    explicit RecordingPrompter(Prompter& shown) : shown_(shown) {}

    void note(std::string_view text) override { shown_.note(text); }
    bool question(std::string_view text) override {
        const bool yes = shown_.question(text);
        questions_.push_back({std::string(text), yes});
        return yes;
    }
    void box(std::string_view text) override { shown_.box(text); }
    void error(std::string_view text) override { shown_.error(text); }

    [[nodiscard]] std::vector<AnsweredQuestion> takeQuestions() { return std::exchange(questions_, {}); }

private:
    Prompter& shown_;
    std::vector<AnsweredQuestion> questions_;
};

} // namespace kelvaron
