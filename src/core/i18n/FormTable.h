// A form described as the ordered table of the components it owns, with their texts.
// The language file walk translates these tables; the Qt layer labels its widgets from them by name.
// All texts are Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvaron {

struct FormComponent {
    std::string name;
    std::string className; // the class name the translation rules compare exactly, e.g. "TMemo"
    // A text property the component's class does not have is nullopt; a language file cannot set it.
    std::optional<std::string> caption{};
    std::optional<std::string> hint{};
    std::optional<std::string> category{};
    std::vector<std::string> lines{};    // TMemo, TCustomMemo
    std::vector<std::string> items{};    // TCheckListBox, TRadioGroup, TComboBox
    std::vector<std::string> sections{}; // THeaderControl
    bool operator==(const FormComponent&) const = default;
};

struct FormTable {
    std::string name;    // component name of the form, e.g. "FormKelvaron"
    std::string caption; // the form's own caption
    std::vector<FormComponent> components;

    [[nodiscard]] const FormComponent* find(std::string_view componentName) const {
        for (const auto& component : components) {
            if (component.name == componentName)
                return &component;
        }
        return nullptr;
    }
    [[nodiscard]] FormComponent* find(std::string_view componentName) {
        return const_cast<FormComponent*>(std::as_const(*this).find(componentName));
    }
    // The caption of a component, or the empty text when it has none.
    [[nodiscard]] std::string captionOf(std::string_view componentName) const {
        const auto* component = find(componentName);
        return component && component->caption ? *component->caption : std::string();
    }
    bool operator==(const FormTable&) const = default;
};

// A caption as a title shows it: an access key's "&" dropped, "&&" as one "&".
[[nodiscard]] inline std::string withoutAccessKey(std::string_view caption) {
    std::string title;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            title.push_back(caption[i]);
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            title.push_back('&');
            ++i;
        }
    }
    return title;
}

} // namespace kelvaron
