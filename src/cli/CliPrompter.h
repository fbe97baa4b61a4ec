// Messages of the command-line tool: one line each on the error stream, in the order shown, UTF-8.
#pragma once

#include "core/platform/Prompter.h"

#include <ostream>

namespace kelvaron::cli {

class CliPrompter : public Prompter {
public:
    CliPrompter(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    void note(std::string_view text) override { print(text, {}); }
    bool question(std::string_view text) override {
        print(text, answerYes_ ? " [yes]" : " [no]");
        return answerYes_;
    }
    void box(std::string_view text) override { print(text, {}); }
    void error(std::string_view text) override { print(text, {}); }

    [[nodiscard]] int shownCount() const { return shown_; }

private:
    void print(std::string_view text, std::string_view answer);

    std::ostream& err_;
    bool answerYes_;
    int shown_ = 0;
};

} // namespace kelvaron::cli
