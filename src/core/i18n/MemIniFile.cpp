#include "core/i18n/MemIniFile.h"

#include "core/file/AtomicFile.h"
#include "core/text/CodePage.h"
#include "core/text/Cp1252Text.h"

#include <algorithm>
#include <utility>

namespace kelvaron {
namespace {

std::string swapBytePairs(std::string_view bytes) {
    std::string swapped(bytes);
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
        std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

std::string decodeToCp1252(std::string_view bytes) {
    const ByteOrderMark mark = byteOrderMarkOf(bytes);
    const std::string_view content = bytes.substr(byteOrderMarkBytes(mark).size());
    switch (mark) {
    case ByteOrderMark::None:
        return std::string(content);
    case ByteOrderMark::Utf8:
        return cp1252FromUtf8(content);
    case ByteOrderMark::Utf16Le:
        return cp1252FromUtf16Le(content);
    case ByteOrderMark::Utf16Be:
        return cp1252FromUtf16Le(swapBytePairs(content));
    }
    return std::string(content);
}

// Blanks and control characters at both ends are not part of a line, name or value.
std::string_view trim(std::string_view text) {
    return trimmed(text, isBlankOrControl);
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
            section->indexByFoldedKey.emplace(foldedCp1252(key), section->entries.size());
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
    const auto [position, inserted] = indexByFoldedSection_.emplace(foldedCp1252(name), sections_.size());
    if (inserted)
        sections_.push_back({std::string(name), {}, {}});
    return sections_[position->second];
}

const MemIniFile::Entry* MemIniFile::find(std::string_view section, std::string_view key) const {
    const auto sectionPosition = indexByFoldedSection_.find(foldedCp1252(section));
    if (sectionPosition == indexByFoldedSection_.end())
        return nullptr;
    const Section& found = sections_[sectionPosition->second];
    const auto keyPosition = found.indexByFoldedKey.find(foldedCp1252(key));
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
    const auto position = indexByFoldedSection_.find(foldedCp1252(section));
    return position == indexByFoldedSection_.end() ? std::vector<Entry>{}
                                                   : sections_[position->second].entries;
}

} // namespace kelvaron
