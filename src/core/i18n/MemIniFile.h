// The in-memory INI reader for the language file: the whole file is read once and looked up by
// section and key.
//
// Encoding: a file that begins with the UTF-8 byte-order mark EF BB BF is UTF-8, one that begins with
// FF FE is UTF-16 little-endian, one that begins with FE FF is UTF-16 big-endian; any other file is
// Windows-1252. Every text is handed out as Windows-1252; a character the code page lacks becomes "?".
//
// Lines end with CR LF, LF or CR. Each line is trimmed of blanks and control characters at both ends;
// empty lines and lines beginning with ";" are skipped. "[name]" starts the section of that (trimmed)
// name; lines before the first section are ignored. Any other line is split at its first "=" into key
// and value, each trimmed; a line without "=" or with an empty key is ignored. Values are taken as they
// stand: quotation marks and ";" inside a value are part of it.
//
// Section names and keys match regardless of letter case (ASCII and the letters of Windows-1252). A
// section that appears twice is one section; a key that appears twice keeps its first value.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron {

class MemIniFile {
public:
    // Larger files are refused: a complete language file is a few dozen kilobytes.
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    struct Entry {
        std::string key; // as first written in the file
        std::string value;
        bool operator==(const Entry&) const = default;
    };

    // The reader of a file's content, byte-order mark included.
    [[nodiscard]] static MemIniFile parse(std::string_view bytes);
    // The reader of the file at `path`; nullopt when it is missing, is not a regular file, cannot be
    // read or holds more than kMaxBytes bytes.
    [[nodiscard]] static std::optional<MemIniFile> load(const std::filesystem::path& path);

    // The value of the key, or `fallback` when the key is absent. A key written with nothing after "="
    // gives the empty text.
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const;
    [[nodiscard]] bool hasKey(std::string_view section, std::string_view key) const;

    // The section names as first written, in the order of their first appearance.
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    // The entries of a section in file order (first occurrences only); empty for an absent section.
    [[nodiscard]] std::vector<Entry> entries(std::string_view section) const;

private:
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::map<std::string, std::size_t> indexByFoldedKey;
    };

    [[nodiscard]] const Entry* find(std::string_view section, std::string_view key) const;
    Section& sectionNamed(std::string_view name);

    std::vector<Section> sections_;
    std::map<std::string, std::size_t> indexByFoldedSection_;
};

} // namespace kelvaron
