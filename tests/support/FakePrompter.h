// A Prompter for tests: records every message and answers questions from a queue (No when it runs dry).
#pragma once

#include "core/platform/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace kelvaron::test {

struct ShownMessage {
    enum class Kind { Note, Question, Box, Error };
    Kind kind;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

class FakePrompter : public Prompter {
public:
    std::vector<ShownMessage> shown;
    std::deque<bool> answers;

    void note(std::string_view text) override {
        shown.push_back({ShownMessage::Kind::Note, std::string(text)});
    }
    bool question(std::string_view text) override {
        shown.push_back({ShownMessage::Kind::Question, std::string(text)});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void box(std::string_view text) override {
        shown.push_back({ShownMessage::Kind::Box, std::string(text)});
    }
    void error(std::string_view text) override {
        shown.push_back({ShownMessage::Kind::Error, std::string(text)});
    }

    [[nodiscard]] std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& message : shown)
            result.push_back(message.text);
        return result;
    }
};

} // namespace kelvaron::test
