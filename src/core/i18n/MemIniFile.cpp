#include "core/i18n/MemIniFile.h"

#include "core/file/AtomicFile.h"
#include "core/text/CodePage.h"

#include <algorithm>
#include <utility>

namespace kelvaron {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string swapBytePairs(std::string_view bytes) {
    std::string swapped(bytes);
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
        std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

std::string decodeToCp1252(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        return cp1252FromUtf8(bytes.substr(kUtf8Bom.size()));
    if (bytes.starts_with(kUtf16LeBom))
        return cp1252FromUtf16Le(bytes.substr(kUtf16LeBom.size()));
    if (bytes.starts_with(kUtf16BeBom))
        return cp1252FromUtf16Le(swapBytePairs(bytes.substr(kUtf16BeBom.size())));
    return std::string(bytes);
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lower case of a Windows-1252 letter: ASCII, the Latin-1 capitals (except the multiplication sign)
// and the four capitals of the 0x80 row.
char foldCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<char>(b + 0x10);
    case 0x9F: // Ÿ
        return '\xFF';
    default:
        return c;
    }
}

std::string folded(std::string_view text) {
    std::string result(text);
    for (auto& c : result)
        c = foldCase(c);
    return result;
}

} // namespace

MemIniFile MemIniFile::parse(std::string_view bytes) {
    const std::string text = decodeToCp1252(bytes);
    MemIniFile ini;
    Section* section = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = &ini.sectionNamed(trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section == nullptr || equals == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, equals));
        if (key.empty())
            continue;
        const auto [position, inserted] =
            section->indexByFoldedKey.emplace(folded(key), section->entries.size());
        if (inserted)
            section->entries.push_back({std::string(key), std::string(trim(line.substr(equals + 1)))});
    }
    return ini;
}

std::optional<MemIniFile> MemIniFile::load(const std::filesystem::path& path) {
    const ReadFileResult file = readWholeFile(path, kMaxBytes);
    if (file.status != ReadFileStatus::Read)
        return std::nullopt;
    return parse(file.bytes);
}

MemIniFile::Section& MemIniFile::sectionNamed(std::string_view name) {
    const auto [position, inserted] = indexByFoldedSection_.emplace(folded(name), sections_.size());
    if (inserted)
        sections_.push_back({std::string(name), {}, {}});
    return sections_[position->second];
}

const MemIniFile::Entry* MemIniFile::find(std::string_view section, std::string_view key) const {
    const auto sectionPosition = indexByFoldedSection_.find(folded(section));
    if (sectionPosition == indexByFoldedSection_.end())
        return nullptr;
    const Section& found = sections_[sectionPosition->second];
    const auto keyPosition = found.indexByFoldedKey.find(folded(key));
    return keyPosition == found.indexByFoldedKey.end() ? nullptr : &found.entries[keyPosition->second];
}

std::string MemIniFile::readString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
    const Entry* entry = find(section, key);
    return entry ? entry->value : std::string(fallback);
}

bool MemIniFile::hasKey(std::string_view section, std::string_view key) const {
    return find(section, key) != nullptr;
}

std::vector<std::string> MemIniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<MemIniFile::Entry> MemIniFile::entries(std::string_view section) const {
    const auto position = indexByFoldedSection_.find(folded(section));
    return position == indexByFoldedSection_.end() ? std::vector<Entry>{}
                                                   : sections_[position->second].entries;
}

} // namespace kelvaron
