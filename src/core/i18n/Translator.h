// The language file walk: replaces the texts of the form tables from the language file's sections.
//
// Each form reads the section named after the form up to its first "_"; every key repeats that
// section name and joins component and property with points, e.g. "FormKelvaron.BitBtnStart.Caption".
// Class names are compared exactly, so a class derived from one the walk knows gets only its Caption,
// Hint and Category translated. Keys that name no component or property are never read.
#pragma once

#include "core/i18n/FormTable.h"
#include "core/i18n/MemIniFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace kelvaron {

inline constexpr std::string_view kLanguageFileName = "KelvaronLang.ini";

// The section of a form: its name up to, not including, the first "_".
[[nodiscard]] std::string_view languageSection(std::string_view formName);

// Sets the text property `propertyName` ("Caption", "Hint" or "Category") when the value is not empty
// and the component's class has that property; otherwise changes nothing.
void SetStringProperty(FormComponent& component, std::string_view propertyName, std::string_view value);

// Translates one form: its caption, then every component it owns, in its own order.
void TranslateForm(FormTable& form, const MemIniFile& ini);

// The reader of `fileName` in the program's folder, or nullopt when there is no readable file there.
[[nodiscard]] std::optional<MemIniFile> OpenLanguageFile(const std::filesystem::path& programDir,
                                                         std::string_view fileName);

// Translates every form in creation order from the language file; false, with nothing changed, when
// the file cannot be opened.
bool ApplyLanguageFile(std::span<FormTable* const> formsInCreationOrder,
                       const std::filesystem::path& programDir, std::string_view fileName);

} // namespace kelvaron
