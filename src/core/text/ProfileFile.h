// An INI profile file held in memory, read and updated the way the system's profile functions treat it,
// so that design files written by earlier versions or edited by hand load as they always did.
//
// Reading: section and key names match regardless of letter case (ASCII and the letters of Windows-1252);
// the first matching section and, within it, the first matching key win. A value is the text after the
// first "=", with blanks removed at both ends, then one pair of enclosing single or double quotation
// marks removed, then cut to kMaxValueLength characters.
//
// Writing: an existing key gets its new value in place; a missing key is added after the last key line of
// its section; a missing section is added at the end of the file. Every other line stays byte for byte.
// New lines end like the file's first line (CR LF for a file without line ends).
//
// Encoding: a file beginning with the UTF-16 byte-order mark FF FE is UTF-16 little-endian, one beginning
// with FE FF is UTF-16 big-endian; both are written back in their encoding with their mark. Anything else
// is Windows-1252 bytes. Names and values pass in and out as Windows-1252; a character of a UTF-16 value
// outside the code page reads as "?", while lines that are not rewritten keep every character.
#pragma once

#include "core/file/AtomicFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvaron {

class ProfileFile {
public:
    // Larger files are refused, so that a stray file cannot make the reader allocate without bound.
    static constexpr std::size_t kMaxBytes = 16 * 1024 * 1024;
    static constexpr std::size_t kMaxValueLength = 2047;

    enum class Encoding { Cp1252, Utf16Le, Utf16Be };

    // An empty Windows-1252 file whose new lines end with CR LF.
    ProfileFile() = default;

    // The file's content as stored on disk; nullopt when it holds more than kMaxBytes bytes.
    [[nodiscard]] static std::optional<ProfileFile> parse(std::string_view bytes);
    // The content to store, with the byte-order mark of a UTF-16 file.
    [[nodiscard]] std::string serialize() const;

    [[nodiscard]] Encoding encoding() const { return encoding_; }

    // The value of section/key as described above, or nullopt when the key is absent.
    [[nodiscard]] std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const;
    // A decimal integer with an optional sign, or a hexadecimal one after "0x" or "$". A value that is
    // neither, that does not fit signed 32 bits, or that is absent gives `fallback`.
    [[nodiscard]] std::int32_t readInteger(std::string_view section, std::string_view key,
                                           std::int32_t fallback) const;

    // A line break cannot be part of a value: each CR or LF in `value` is written as a blank.
    // REQUIRES: section and key are non-empty, without blanks at either end, "=", "]" or line breaks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

private:
    // A key line lives either among the parsed segments or among its section's added lines.
    struct KeyLine {
        bool added = false;
        std::size_t index = 0;
    };
    struct Section {
        std::size_t anchor = 0; // the parsed segment after which added lines go; unused for added sections
        std::vector<std::u16string> addedLines;           // an added section starts with its header line
        std::unordered_map<std::u16string, KeyLine> keys; // by folded name, the first key line of each
    };

    [[nodiscard]] std::u16string unitsFrom(std::string_view cp1252) const;
    [[nodiscard]] std::string cp1252From(std::u16string_view units) const;
    [[nodiscard]] std::u16string folded(std::u16string_view units) const;
    [[nodiscard]] const std::u16string* findKeyLine(std::string_view section, std::string_view key) const;
    [[nodiscard]] Section& sectionForWriting(std::string_view section);
    struct ParseState;
    void addParsedLine(ParseState& state, std::u16string_view line, std::u16string_view ending);

    // Text units: bytes of a Windows-1252 file, code units of a UTF-16 one.
    Encoding encoding_ = Encoding::Cp1252;
    std::u16string newline_ = u"\r\n";
    // The parsed lines with their line ends. Header and key lines stand alone; consecutive other lines
    // share one segment.
    std::vector<std::u16string> segments_;
    std::vector<Section> sections_; // parsed sections in file order, then added ones
    std::size_t parsedSectionCount_ = 0;
    std::unordered_map<std::u16string, std::size_t> sectionIndex_; // by folded name, the first section
    std::string oddTrailingByte_; // the last byte of a UTF-16 file of odd length, kept as it was
};

struct ProfileReadResult {
    ReadFileStatus status = ReadFileStatus::Missing;
    ProfileFile file; // the parsed file when status is Read, otherwise empty
};

// Reads and parses the file at `path`; larger than ProfileFile::kMaxBytes gives TooLarge.
[[nodiscard]] ProfileReadResult readProfileFile(const std::filesystem::path& path);

} // namespace kelvaron
