#include "cli/CliPrompter.h"

#include "core/text/CodePage.h"

#include <string>

namespace kelvaron::cli {

void CliPrompter::print(std::string_view text, std::string_view answer) {
    std::string line = utf8FromCp1252(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    err_ << line << answer << '\n';
    ++shown_;
}

} // namespace kelvaron::cli
