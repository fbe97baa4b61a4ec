#include "core/text/ProfileFile.h"

#include "core/text/CodePage.h"
#include "core/text/Cp1252Text.h"
#include "core/text/NumberConversion.h"

#include <algorithm>
#include <cassert>

namespace kelvaron {

struct ProfileFile::ParseState {
    bool lastSegmentIsOther = false;
    std::optional<std::size_t> currentSection; // the section whose keys are being read
};

namespace {

using Units = std::u16string;
using UnitView = std::u16string_view;

bool isLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

UnitView withoutLineEnd(UnitView line) {
    while (!line.empty() && isLineBreak(line.back()))
        line.remove_suffix(1);
    return line;
}

std::optional<std::int32_t> hexInt32(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
        if (value > INT32_MAX)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> profileInteger(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X"))
        return hexInt32(text.substr(2));
    if (text.starts_with('$'))
        return hexInt32(text.substr(1));
    return strictInt32(text);
}

char16_t unitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

} // namespace

std::optional<ProfileFile> ProfileFile::parse(std::string_view bytes) {
    if (bytes.size() > kMaxBytes)
        return std::nullopt;
    ProfileFile file;
    Units units;
    // A UTF-8 byte-order mark is no encoding here: such a file is read as Windows-1252 bytes.
    const ByteOrderMark mark = byteOrderMarkOf(bytes);
    if (mark == ByteOrderMark::Utf16Le || mark == ByteOrderMark::Utf16Be) {
        const bool bigEndian = mark == ByteOrderMark::Utf16Be;
        file.encoding_ = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        bytes.remove_prefix(byteOrderMarkBytes(mark).size());
        units.reserve(bytes.size() / 2);
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            units.push_back(unitAt(bytes, i, bigEndian));
        if (bytes.size() % 2 != 0)
            file.oddTrailingByte_.assign(1, bytes.back()); // not substr: a false -Wrestrict of GCC 12 at -O2
    } else {
        units.reserve(bytes.size());
        for (char c : bytes)
            units.push_back(static_cast<unsigned char>(c));
    }

    ParseState state;
    bool newlineSeen = false;
    const UnitView all = units;
    for (std::size_t begin = 0; begin < all.size();) {
        const std::size_t breakAt = std::min(all.find_first_of(u"\r\n", begin), all.size());
        std::size_t end = breakAt;
        if (end < all.size())
            end += (all[end] == u'\r' && end + 1 < all.size() && all[end + 1] == u'\n') ? 2u : 1u;
        const UnitView ending = all.substr(breakAt, end - breakAt);
        if (!newlineSeen && !ending.empty()) {
            file.newline_ = Units(ending);
            newlineSeen = true;
        }
        file.addParsedLine(state, all.substr(begin, breakAt - begin), ending);
        begin = end;
    }
    file.parsedSectionCount_ = file.sections_.size();
    return file;
}

void ProfileFile::addParsedLine(ParseState& state, UnitView line, UnitView ending) {
    const UnitView content = trimmed(line, isProfileBlank);
    const std::size_t closing = content.find(u']');
    if (content.starts_with(u'[') && closing != UnitView::npos) {
        segments_.emplace_back(Units(line) + Units(ending));
        state.lastSegmentIsOther = false;
        const auto [entry, isFirst] =
            sectionIndex_.try_emplace(folded(trimmed(content.substr(1, closing - 1), isProfileBlank)));
        // A later section of the same name is never read or written, like the system's profile functions.
        state.currentSection.reset();
        if (isFirst) {
            entry->second = sections_.size();
            sections_.push_back(Section{segments_.size() - 1, {}, {}});
            state.currentSection = entry->second;
        }
        return;
    }
    const std::size_t equals = line.find(u'=');
    const UnitView name =
        equals == UnitView::npos ? UnitView() : trimmed(line.substr(0, equals), isProfileBlank);
    if (state.currentSection && !name.empty()) {
        segments_.emplace_back(Units(line) + Units(ending));
        state.lastSegmentIsOther = false;
        Section& section = sections_[*state.currentSection];
        section.anchor = segments_.size() - 1;
        section.keys.try_emplace(folded(name), KeyLine{false, section.anchor});
        return;
    }
    if (!state.lastSegmentIsOther)
        segments_.emplace_back();
    segments_.back().append(line).append(ending);
    state.lastSegmentIsOther = true;
}

std::string ProfileFile::serialize() const {
    Units text;
    const auto emit = [&](const Units& line) {
        if (!text.empty() && !isLineBreak(text.back()))
            text += newline_;
        text += line;
    };
    std::size_t nextSection = 0;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        emit(segments_[i]);
        for (; nextSection < parsedSectionCount_ && sections_[nextSection].anchor == i; ++nextSection)
            std::ranges::for_each(sections_[nextSection].addedLines, emit);
    }
    for (std::size_t s = parsedSectionCount_; s < sections_.size(); ++s)
        std::ranges::for_each(sections_[s].addedLines, emit);

    std::string bytes;
    if (encoding_ == Encoding::Cp1252) {
        bytes.reserve(text.size());
        for (char16_t unit : text)
            bytes.push_back(static_cast<char>(unit));
        return bytes;
    }
    const bool bigEndian = encoding_ == Encoding::Utf16Be;
    bytes.reserve(2 + 2 * text.size() + oddTrailingByte_.size());
    bytes += byteOrderMarkBytes(bigEndian ? ByteOrderMark::Utf16Be : ByteOrderMark::Utf16Le);
    for (char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes + oddTrailingByte_;
}

std::optional<std::string> ProfileFile::readString(std::string_view section, std::string_view key) const {
    const Units* line = findKeyLine(section, key);
    if (line == nullptr)
        return std::nullopt;
    const UnitView text = withoutLineEnd(*line);
    UnitView value = trimmed(text.substr(text.find(u'=') + 1), isProfileBlank);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return cp1252From(value.substr(0, kMaxValueLength));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    std::optional<std::string> value = readString(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const {
    const std::optional<std::string> value = readString(section, key);
    if (!value)
        return fallback;
    return profileInteger(*value).value_or(fallback);
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    assert(!key.empty() && key.find_first_of("=\r\n") == std::string_view::npos);
    Units valueUnits = unitsFrom(value);
    std::ranges::replace_if(valueUnits, isLineBreak, u' ');

    Section& target = sectionForWriting(section);
    const Units keyUnits = unitsFrom(key);
    const auto found = target.keys.find(folded(keyUnits));
    if (found == target.keys.end()) {
        target.addedLines.push_back(keyUnits + u'=' + valueUnits + newline_);
        target.keys.emplace(folded(keyUnits), KeyLine{true, target.addedLines.size() - 1});
        return;
    }
    Units& line =
        found->second.added ? target.addedLines[found->second.index] : segments_[found->second.index];
    const UnitView text = withoutLineEnd(line);
    line =
        Units(text.substr(0, text.find(u'=') + 1)) + valueUnits + Units(UnitView(line).substr(text.size()));
}

ProfileFile::Section& ProfileFile::sectionForWriting(std::string_view section) {
    assert(!section.empty() && section.find_first_of("]\r\n") == std::string_view::npos);
    const Units name = unitsFrom(section);
    const auto [entry, isNew] = sectionIndex_.try_emplace(folded(name), sections_.size());
    if (isNew)
        sections_.push_back(Section{0, {u'[' + name + u']' + newline_}, {}});
    return sections_[entry->second];
}

const std::u16string* ProfileFile::findKeyLine(std::string_view section, std::string_view key) const {
    const auto foundSection = sectionIndex_.find(folded(unitsFrom(section)));
    if (foundSection == sectionIndex_.end())
        return nullptr;
    const Section& owner = sections_[foundSection->second];
    const auto foundKey = owner.keys.find(folded(unitsFrom(key)));
    if (foundKey == owner.keys.end())
        return nullptr;
    const KeyLine& line = foundKey->second;
    return line.added ? &owner.addedLines[line.index] : &segments_[line.index];
}

std::u16string ProfileFile::unitsFrom(std::string_view cp1252) const {
    Units units;
    units.reserve(cp1252.size());
    for (char c : cp1252) {
        units.push_back(encoding_ == Encoding::Cp1252 ? static_cast<char16_t>(static_cast<unsigned char>(c))
                                                      : static_cast<char16_t>(codePointFromCp1252(c)));
    }
    return units;
}

std::string ProfileFile::cp1252From(std::u16string_view units) const {
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (encoding_ == Encoding::Cp1252) {
            text.push_back(static_cast<char>(unit));
            continue;
        }
        // A surrogate pair is one character, never one of the code page.
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                          units[i + 1] < 0xE000;
        if (pair)
            ++i;
        text.push_back(cp1252FromCodePoint(unit));
    }
    return text;
}

std::u16string ProfileFile::folded(std::u16string_view units) const {
    Units result;
    result.reserve(units.size());
    for (char16_t unit : units) {
        if (encoding_ == Encoding::Cp1252) {
            result.push_back(static_cast<unsigned char>(foldedCp1252(static_cast<char>(unit))));
        } else {
            result.push_back(static_cast<char16_t>(foldedCodePoint(unit)));
        }
    }
    return result;
}

ProfileReadResult readProfileFile(const std::filesystem::path& path) {
    ReadFileResult read = readWholeFile(path, ProfileFile::kMaxBytes);
    if (read.status != ReadFileStatus::Read)
        return {read.status, {}};
    std::optional<ProfileFile> file = ProfileFile::parse(read.bytes);
    if (!file)
        return {ReadFileStatus::TooLarge, {}};
    return {ReadFileStatus::Read, std::move(*file)};
}

} // namespace kelvaron
