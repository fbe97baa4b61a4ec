#include "core/i18n/Translator.h"

#include <string>
#include <utility>

namespace kelvaron {
namespace {

// Read with this default, a check-list item whose key is absent keeps its text, while a key that is
// present with an empty value empties the item.
constexpr std::string_view kCheckListAbsent = "fsdef";

std::string indexedKey(std::string_view prefix, std::string_view property, std::size_t index) {
    return std::string(prefix) + "." + std::string(property) + "[" + std::to_string(index) + "]";
}

// All lines are replaced when Lines[0] is present; the first missing index ends the list.
void translateMemoLines(FormComponent& component, const MemIniFile& ini, std::string_view section,
                        std::string_view prefix) {
    if (!ini.hasKey(section, indexedKey(prefix, "Lines", 0)))
        return;
    component.lines.clear();
    for (std::size_t n = 0;; ++n) {
        const std::string key = indexedKey(prefix, "Lines", n);
        if (!ini.hasKey(section, key))
            return;
        component.lines.push_back(ini.readString(section, key, ""));
    }
}

void translateCheckListItems(FormComponent& component, const MemIniFile& ini, std::string_view section,
                             std::string_view prefix) {
    for (std::size_t k = 0; k < component.items.size(); ++k) {
        std::string value = ini.readString(section, indexedKey(prefix, "Items", k), kCheckListAbsent);
        if (value != kCheckListAbsent)
            component.items[k] = std::move(value);
    }
}

// Radio groups, combo boxes and header sections: only a non-empty value replaces a text.
void translateNonEmpty(std::vector<std::string>& texts, const MemIniFile& ini, std::string_view section,
                       std::string_view prefix, std::string_view property) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        std::string value = ini.readString(section, indexedKey(prefix, property, k), "");
        if (!value.empty())
            texts[k] = std::move(value);
    }
}

void translateComponent(FormComponent& component, const MemIniFile& ini, std::string_view section) {
    const std::string prefix = std::string(section) + "." + component.name;
    for (const std::string_view property : {"Caption", "Hint", "Category"})
        SetStringProperty(component, property,
                          ini.readString(section, prefix + "." + std::string(property), ""));

    const std::string_view className = component.className;
    if (className == "TMemo" || className == "TCustomMemo")
        translateMemoLines(component, ini, section, prefix);
    if (className == "TCheckListBox")
        translateCheckListItems(component, ini, section, prefix);
    if (className == "TRadioGroup" || className == "TComboBox")
        translateNonEmpty(component.items, ini, section, prefix, "Items");
    if (className == "THeaderControl")
        translateNonEmpty(component.sections, ini, section, prefix, "Section");
}

} // namespace

std::string_view languageSection(std::string_view formName) {
    return formName.substr(0, formName.find('_'));
}

void SetStringProperty(FormComponent& component, std::string_view propertyName, std::string_view value) {
    if (value.empty())
        return;
    std::optional<std::string>* property = propertyName == "Caption"    ? &component.caption
                                           : propertyName == "Hint"     ? &component.hint
                                           : propertyName == "Category" ? &component.category
                                                                        : nullptr;
    if (property != nullptr && property->has_value())
        *property = std::string(value);
}

void TranslateForm(FormTable& form, const MemIniFile& ini) {
    const std::string section(languageSection(form.name));
    std::string caption = ini.readString(section, section + ".Caption", "");
    if (!caption.empty())
        form.caption = std::move(caption);
    for (auto& component : form.components)
        translateComponent(component, ini, section);
}

std::optional<MemIniFile> OpenLanguageFile(const std::filesystem::path& programDir,
                                           std::string_view fileName) {
    return MemIniFile::load(programDir / std::filesystem::path(fileName));
}

bool ApplyLanguageFile(std::span<FormTable* const> formsInCreationOrder,
                       const std::filesystem::path& programDir, std::string_view fileName) {
    const std::optional<MemIniFile> ini = OpenLanguageFile(programDir, fileName);
    if (!ini)
        return false;
    for (FormTable* form : formsInCreationOrder)
        TranslateForm(*form, *ini);
    return true;
}

} // namespace kelvaron
