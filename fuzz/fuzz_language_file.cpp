// Arbitrary bytes as the language file: read by the in-memory INI reader and applied to the four forms,
// once from memory and once through the file beside the program.
//
// Invariants: every entry the reader hands out is found again by its section and key in any letter
// case, with trimmed names and values; the walk changes no form's shape (components, their classes and
// text properties, item and header counts); a text changes only to the file's non-empty value for it,
// memo lines only to the file's consecutive Lines values; the file gives the same forms as its content.
#include "FuzzSupport.h"
#include "core/i18n/ApplicationForms.h"
#include "core/i18n/MemIniFile.h"
#include "core/i18n/Translator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaron::fuzz {
namespace {

bool isTrimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    return text.empty() || (!blank(text.front()) && !blank(text.back()));
}

std::string asciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

void checkReader(const MemIniFile& ini) {
    for (const std::string& section : ini.sectionNames()) {
        require(isTrimmed(section));
        for (const MemIniFile::Entry& entry : ini.entries(section)) {
            require(!entry.key.empty() && isTrimmed(entry.key) && isTrimmed(entry.value));
            require(entry.key.find_first_of("\r\n") == std::string::npos);
            require(entry.value.find_first_of("\r\n") == std::string::npos);
            require(ini.hasKey(section, entry.key));
            require(ini.readString(asciiUpper(section), asciiUpper(entry.key), "\x01") == entry.value);
        }
    }
}

// A text property after the walk: the file's value when it is not empty and the class has the property.
void checkProperty(const std::optional<std::string>& before, const std::optional<std::string>& after,
                   const std::string& value) {
    require(before.has_value() == after.has_value());
    if (before)
        require(*after == (value.empty() ? *before : value));
}

void checkMemoLines(const FormComponent& before, const FormComponent& after, const MemIniFile& ini,
                    const std::string& section, const std::string& prefix) {
    const auto key = [&](std::size_t n) { return prefix + ".Lines[" + std::to_string(n) + "]"; };
    const bool memo = before.className == "TMemo" || before.className == "TCustomMemo";
    if (!memo || !ini.hasKey(section, key(0))) {
        require(after.lines == before.lines);
        return;
    }
    std::size_t n = 0;
    for (; ini.hasKey(section, key(n)); ++n)
        require(n < after.lines.size() && after.lines[n] == ini.readString(section, key(n), "\x01"));
    require(after.lines.size() == n);
}

void checkWalk(const FormTable& before, const FormTable& after, const MemIniFile& ini) {
    require(after.name == before.name && after.components.size() == before.components.size());
    const std::string section(languageSection(before.name));
    const std::string caption = ini.readString(section, section + ".Caption", "");
    require(after.caption == (caption.empty() ? before.caption : caption));
    for (std::size_t i = 0; i < before.components.size(); ++i) {
        const FormComponent& old = before.components[i];
        const FormComponent& now = after.components[i];
        require(now.name == old.name && now.className == old.className);
        require(now.items.size() == old.items.size() && now.sections.size() == old.sections.size());
        const std::string prefix = section + "." + old.name;
        checkProperty(old.caption, now.caption, ini.readString(section, prefix + ".Caption", ""));
        checkProperty(old.hint, now.hint, ini.readString(section, prefix + ".Hint", ""));
        checkProperty(old.category, now.category, ini.readString(section, prefix + ".Category", ""));
        checkMemoLines(old, now, ini, section, prefix);
    }
}

} // namespace
} // namespace kelvaron::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvaron;
    using namespace kelvaron::fuzz;
    static const ScratchFolder folder;
    static const ApplicationForms defaults;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const MemIniFile ini = MemIniFile::parse(bytes);
    checkReader(ini);

    ApplicationForms translated;
    for (FormTable* form : translated.inCreationOrder())
        TranslateForm(*form, ini);
    checkWalk(defaults.formKelvaron, translated.formKelvaron, ini);
    checkWalk(defaults.formDruck, translated.formDruck, ini);
    checkWalk(defaults.formLang, translated.formLang, ini);
    checkWalk(defaults.formSelftest, translated.formSelftest, ini);

    folder.write(kLanguageFileName, bytes);
    ApplicationForms fromFile;
    const bool applied = ApplyLanguageFile(fromFile.inCreationOrder(), folder.path(), kLanguageFileName);
    require(applied == (size <= MemIniFile::kMaxBytes));
    if (applied) {
        require(fromFile.formKelvaron == translated.formKelvaron &&
                fromFile.formDruck == translated.formDruck);
        require(fromFile.formLang == translated.formLang && fromFile.formSelftest == translated.formSelftest);
    }
    return 0;
}
