// Checks the language files shipped in lang/: every key names a text the walk can reach, every text of
// every form has a key, and the German file reproduces the built-in texts.
#include "core/i18n/ApplicationForms.h"
#include "core/i18n/Translator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

const std::filesystem::path kLangDir = KELVARON_LANG_DIR;

// The parameter is the language folder.
class ShippedLanguageFile : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        loaded = MemIniFile::load(kLangDir / GetParam() / kLanguageFileName);
        ASSERT_TRUE(loaded) << GetParam();
    }
    std::optional<MemIniFile> loaded;
    ApplicationForms forms;
};

// "Lines[12]" with the property "Lines" gives 12; anything else nullopt.
std::optional<std::size_t> indexIn(std::string_view property, std::string_view name) {
    if (!property.starts_with(name) || property.size() < name.size() + 3 || property.back() != ']' ||
        property[name.size()] != '[')
        return std::nullopt;
    const std::string_view digits = property.substr(name.size() + 1, property.size() - name.size() - 2);
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return std::stoul(std::string(digits));
}

bool isMemo(const FormComponent& component) {
    return component.className == "TMemo" || component.className == "TCustomMemo";
}

// True when the walk reads `property` of `component` (written exactly as the walk spells it).
bool walkReads(const FormComponent& component, std::string_view property) {
    if (property == "Caption")
        return component.caption.has_value();
    if (property == "Hint")
        return component.hint.has_value();
    if (property == "Category")
        return component.category.has_value();
    if (indexIn(property, "Lines"))
        return isMemo(component);
    if (const auto item = indexIn(property, "Items"))
        return *item < component.items.size();
    if (const auto section = indexIn(property, "Section"))
        return component.className == "THeaderControl" && *section < component.sections.size();
    return false;
}

TEST_P(ShippedLanguageFile, EveryKeyNamesATextOfItsForm) {
    for (const auto& sectionName : loaded->sectionNames()) {
        const auto all = forms.inCreationOrder();
        const auto form = std::find_if(all.begin(), all.end(), [&](const FormTable* f) {
            return languageSection(f->name) == sectionName;
        });
        ASSERT_NE(form, all.end()) << "section " << sectionName;
        const std::string prefix = sectionName + ".";
        for (const auto& entry : loaded->entries(sectionName)) {
            ASSERT_TRUE(entry.key.starts_with(prefix)) << entry.key;
            const std::string rest = entry.key.substr(prefix.size());
            if (rest == "Caption")
                continue;
            const std::size_t point = rest.find('.');
            ASSERT_NE(point, std::string::npos) << entry.key;
            const FormComponent* component = (*form)->find(rest.substr(0, point));
            ASSERT_NE(component, nullptr) << entry.key;
            EXPECT_TRUE(walkReads(*component, rest.substr(point + 1))) << entry.key;
        }
    }
}

TEST_P(ShippedLanguageFile, EveryTextOfEveryFormIsTranslated) {
    for (const FormTable* form : forms.inCreationOrder()) {
        const std::string section(languageSection(form->name));
        EXPECT_NE(loaded->readString(section, section + ".Caption", ""), "") << form->name;
        for (const auto& component : form->components) {
            const std::string prefix = section + "." + component.name + ".";
            if (component.caption && !component.caption->empty()) {
                const std::string value = loaded->readString(section, prefix + "Caption", "");
                EXPECT_NE(value, "") << prefix << "Caption";
                EXPECT_EQ(value.find('&') != std::string::npos,
                          component.caption->find('&') != std::string::npos)
                    << prefix << "Caption keeps its access key";
            }
            if (component.hint && !component.hint->empty()) {
                EXPECT_NE(loaded->readString(section, prefix + "Hint", ""), "") << prefix << "Hint";
            }
            if (isMemo(component) && !component.lines.empty()) {
                EXPECT_TRUE(loaded->hasKey(section, prefix + "Lines[0]")) << prefix << "Lines";
            }
        }
    }
}

TEST_P(ShippedLanguageFile, MemoLinesHaveNoGapThatWouldCutThemShort) {
    for (const FormTable* form : forms.inCreationOrder()) {
        const std::string section(languageSection(form->name));
        for (const auto& component : form->components) {
            const std::string prefix = section + "." + component.name + ".";
            std::size_t count = 0;
            for (const auto& entry : loaded->entries(section)) {
                if (entry.key.starts_with(prefix) &&
                    indexIn(std::string_view(entry.key).substr(prefix.size()), "Lines"))
                    ++count;
            }
            for (std::size_t n = 0; n < count; ++n)
                EXPECT_TRUE(loaded->hasKey(section, prefix + "Lines[" + std::to_string(n) + "]"))
                    << prefix << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile, testing::Values("de", "en"),
                         [](const testing::TestParamInfo<std::string>& testCase) { return testCase.param; });

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

TEST(GermanLanguageFile, ReproducesTheBuiltInTextsButTheBlanksAroundMemoLines) {
    const auto german = MemIniFile::load(kLangDir / "de" / kLanguageFileName);
    ASSERT_TRUE(german);
    ApplicationForms translated;
    for (FormTable* form : translated.inCreationOrder())
        TranslateForm(*form, *german);

    ApplicationForms expected;
    for (FormTable* form : expected.inCreationOrder()) {
        for (auto& component : form->components) {
            for (auto& line : component.lines)
                line = trimmed(line);
        }
    }
    EXPECT_EQ(translated.formKelvaron, expected.formKelvaron);
    EXPECT_EQ(translated.formDruck, expected.formDruck);
    EXPECT_EQ(translated.formLang, expected.formLang);
    EXPECT_EQ(translated.formSelftest, expected.formSelftest);
}

} // namespace
} // namespace kelvaron
