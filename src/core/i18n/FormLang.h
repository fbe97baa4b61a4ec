// The message catalogue: the never-shown form FormLang whose label captions are the program's messages.
// A message is read from the catalogue form at the moment it is shown, so a language file that has
// translated the form changes every message.
#pragma once

#include "core/i18n/FormTable.h"

#include <span>
#include <string>
#include <string_view>

namespace kelvaron {

class Prompter;

// How a catalogue message is shown.
enum class MessageDisplay {
    Plain,    // simple message with OK
    Question, // "Kelvaron" box with Yes and No
    Notice,   // "Kelvaron" box with OK
    None,     // never shown as a message (the word of the block separator)
};

struct CatalogueEntry {
    std::string_view key;
    std::string_view germanUtf8; // default text, UTF-8 in the source
    MessageDisplay display;
};

// All entries in the declared order of the catalogue form.
[[nodiscard]] std::span<const CatalogueEntry> catalogueEntries();

// The catalogue form with its German default texts (Windows-1252): caption "Language", the group box
// GroupBoxMessages "Messages" and one TLabel per entry, named by its key.
[[nodiscard]] FormTable makeFormLang();

// Shows catalogue messages through a Prompter, each in its own way of display.
class Messages {
public:
    Messages(const FormTable& formLang, Prompter& prompter) : formLang_(formLang), prompter_(prompter) {}

    // The current text of a catalogue entry.
    [[nodiscard]] std::string text(std::string_view key) const { return formLang_.captionOf(key); }
    // Shows a plain or notice entry; a non-empty suffix is appended after one blank.
    void show(std::string_view key, std::string_view suffix = {}) const;
    // Asks a question entry; true for Yes.
    [[nodiscard]] bool ask(std::string_view key) const;

    [[nodiscard]] Prompter& prompter() const { return prompter_; }
    [[nodiscard]] const FormTable& formLang() const { return formLang_; }

private:
    const FormTable& formLang_;
    Prompter& prompter_;
};

} // namespace kelvaron
