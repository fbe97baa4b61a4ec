// What poppler's tools read from a PDF file: the text of a page as `pdftotext -layout` lays it out, and
// the document information of `pdfinfo`. A missing tool fails the calling test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaron::test {

// The output of a shell command and its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
[[nodiscard]] CommandResult runCommand(const std::string& command);
// `text` quoted for the shell.
[[nodiscard]] std::string shellQuoted(const std::string& text);

// The lines of page `page` (from 1), UTF-8, without their line ends and without the trailing empty lines.
[[nodiscard]] std::vector<std::string> pdfPageLines(const std::filesystem::path& pdf, int page);
// The value of one field of pdfinfo ("Pages", "Title", "Page size"), or "" when it has none.
[[nodiscard]] std::string pdfInfo(const std::filesystem::path& pdf, const std::string& field);
[[nodiscard]] int pdfPageCount(const std::filesystem::path& pdf);

// The line's words, split at white space.
[[nodiscard]] std::vector<std::string> wordsOf(const std::string& line);

} // namespace kelvaron::test
