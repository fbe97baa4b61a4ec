#include "core/audit/ListVerification.h"

#include "core/audit/ListCsv.h"
#include "core/text/CodePage.h"

#include <algorithm>
#include <vector>

namespace kelvaron {
namespace {

// The lines of `text`, each ended by `lineEnd` except perhaps the last.
std::vector<std::string_view> splitLines(std::string_view text, std::string_view lineEnd) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(lineEnd, start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + lineEnd.size();
    }
    return lines;
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing above U+10FFFF.
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (next < min || next > max)
                return false;
        }
        i += length;
    }
    return true;
}

bool startsWithCsvHeader(std::string_view bytes) {
    return bytes.starts_with(kListCsvHeader) && bytes.substr(kListCsvHeader.size()).starts_with("\r\n");
}

// Compares line by line; `utf8` says that both texts are UTF-8 and the shown lines need converting.
ListVerification compareLines(ListFileForm form, std::string_view expectedText, std::string_view expectedEnd,
                              std::string_view foundText, std::string_view foundEnd, bool utf8) {
    const auto expected = splitLines(expectedText, expectedEnd);
    const auto found = splitLines(foundText, foundEnd);
    const std::size_t common = std::min(expected.size(), found.size());
    const auto mismatch = std::mismatch(
        expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(common), found.begin());
    const auto index = static_cast<std::size_t>(mismatch.first - expected.begin());
    if (index == common && expected.size() == found.size())
        return {VerifyOutcome::Identical, form, std::nullopt};
    auto shown = [&](const std::vector<std::string_view>& lines) -> std::optional<std::string> {
        if (index >= lines.size())
            return std::nullopt;
        return utf8 ? cp1252FromUtf8(lines[index]) : std::string(lines[index]);
    };
    return {VerifyOutcome::Different, form,
            LineDifference{static_cast<std::int64_t>(index) + 1, shown(expected), shown(found)}};
}

} // namespace

std::optional<ListFileForm> listFileForm(std::string_view fileBytes) {
    if (startsWithCsvHeader(fileBytes))
        return isUtf8(fileBytes) ? std::optional(ListFileForm::Csv) : std::nullopt;
    std::size_t withCr = 0;
    std::size_t withoutCr = 0;
    for (auto at = fileBytes.find('\n'); at != std::string_view::npos; at = fileBytes.find('\n', at + 1))
        ++(at > 0 && fileBytes[at - 1] == '\r' ? withCr : withoutCr);
    if (withCr > 0)
        return withoutCr == 0 ? std::optional(ListFileForm::Export) : std::nullopt;
    return isUtf8(fileBytes) ? std::optional(ListFileForm::StandardOutput) : std::nullopt;
}

ListVerification verifyListFile(std::string_view listText, const GenerationRecord& regenerated,
                                std::string_view fileBytes) {
    const auto form = listFileForm(fileBytes);
    if (!form)
        return {};
    switch (*form) {
    case ListFileForm::Export:
        return compareLines(*form, listText, "\n", fileBytes, "\r\n", false);
    case ListFileForm::StandardOutput:
        return compareLines(*form, utf8FromCp1252(listText), "\n", fileBytes, "\n", true);
    case ListFileForm::Csv:
        return compareLines(*form, listCsv(regenerated), "\r\n", fileBytes, "\r\n", true);
    }
    return {};
}

} // namespace kelvaron
