#include "PdfText.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace kelvaron::test {
namespace {

std::string poppler(const std::string& tool, const std::string& arguments) {
    const CommandResult result = runCommand(tool + " " + arguments + " 2>&1");
    if (result.status != 0) {
        ADD_FAILURE() << tool << " failed (status " << result.status << "): " << result.output
                      << "\nscripts/install-deps.sh installs poppler-utils.";
        return {};
    }
    return result.output;
}

} // namespace

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> chunk{};
    std::size_t read = 0;
    while ((read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        result.output.append(chunk.data(), read);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::vector<std::string> pdfPageLines(const std::filesystem::path& pdf, int page) {
    const std::string number = std::to_string(page);
    std::istringstream text(poppler("pdftotext", "-layout -f " + number + " -l " + number + " " +
                                                     shellQuoted(pdf.string()) + " -"));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(text, line)) {
        // pdftotext ends every page with a form feed.
        if (!line.empty() && line.front() == '\f')
            line.erase(0, 1);
        lines.push_back(line);
    }
    while (!lines.empty() && wordsOf(lines.back()).empty())
        lines.pop_back();
    return lines;
}

std::string pdfInfo(const std::filesystem::path& pdf, const std::string& field) {
    std::istringstream info(poppler("pdfinfo", shellQuoted(pdf.string())));
    std::string line;
    while (std::getline(info, line)) {
        if (line.rfind(field + ":", 0) != 0)
            continue;
        const std::size_t value = line.find_first_not_of(' ', field.size() + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return {};
}

int pdfPageCount(const std::filesystem::path& pdf) {
    const std::string pages = pdfInfo(pdf, "Pages");
    return pages.empty() ? 0 : std::stoi(pages);
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

} // namespace kelvaron::test
