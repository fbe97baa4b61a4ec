#include "core/i18n/Forms.h"

#include "core/i18n/ApplicationForms.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

using test::ansi;

struct Published {
    bool caption;
    bool hint;
};

// The text properties each class of the toolkit publishes.
const std::map<std::string, Published> kPublished = {
    {"TLabel", {true, true}},         {"TCheckBox", {true, true}},     {"TRadioButton", {true, true}},
    {"TButton", {true, true}},        {"TBitBtn", {true, true}},       {"TTabSheet", {true, true}},
    {"TPanel", {true, true}},         {"TGroupBox", {true, true}},     {"TEdit", {false, true}},
    {"TMemo", {false, true}},         {"TRichEdit", {false, true}},    {"TStringGrid", {false, true}},
    {"TImage", {false, true}},        {"TPageControl", {false, true}}, {"TProgressBar", {false, true}},
    {"TTimer", {false, false}},       {"TSaveDialog", {false, false}}, {"TOpenDialog", {false, false}},
    {"TPrintDialog", {false, false}},
};

TEST(Forms, EveryComponentHasExactlyThePropertiesItsClassPublishes) {
    ApplicationForms forms;
    for (const FormTable* form : forms.inCreationOrder()) {
        std::set<std::string> names;
        for (const auto& component : form->components) {
            const std::string where = form->name + "." + component.name;
            EXPECT_TRUE(names.insert(component.name).second) << where << " twice";
            const auto published = kPublished.find(component.className);
            ASSERT_NE(published, kPublished.end()) << where << " " << component.className;
            EXPECT_EQ(component.caption.has_value(), published->second.caption) << where;
            EXPECT_EQ(component.hint.has_value(), published->second.hint) << where;
            EXPECT_FALSE(component.category) << where;
        }
    }
}

TEST(Forms, MainWindowTextsAreTheResourceTextsInWindows1252) {
    const FormTable form = makeFormKelvaron();
    EXPECT_EQ(form.caption, "Morvex Kelvaron Version 1.5");
    EXPECT_EQ(form.captionOf("CheckBoxZentren"), ansi("&Randomisierungsliste für jedes Zentrum"));
    EXPECT_EQ(form.captionOf("BitBtnBack"), ansi("&zurück"));
    EXPECT_EQ(form.captionOf("BitBtnClose"), ansi("Schließen"));
    EXPECT_EQ(form.captionOf("LabelMinMaxSeed"), "1 - MAXLONG");
    EXPECT_EQ(form.find("RadioButton2")->hint, ansi("Größe der Blöcke wird per Zufallsgenerator vorgegeben"));
    EXPECT_TRUE(form.captionOf("LabelWWW").starts_with("https://"));
}

TEST(Forms, ExplanatoryTextsKeepTheirBlanksAndTheirFinalEmptyLine) {
    const FormTable form = makeFormKelvaron();
    const auto& memo2 = form.find("Memo2")->lines;
    ASSERT_EQ(memo2.size(), 10u);
    EXPECT_EQ(memo2[0], ansi("Über die Blockgröße kann angegeben werden, nach welcher Patientenzahl das "));
    EXPECT_EQ(memo2[6], "       bzw.  ");
    EXPECT_EQ(memo2[9], "");
    const auto& memo1 = form.find("Memo1")->lines;
    ASSERT_EQ(memo1.size(), 8u);
    EXPECT_EQ(memo1[4], "kann. Mit dem Button 'erzeugen' wird unter Verwendung der Systemzeit ");
    EXPECT_EQ(memo1[7], "mit Bays-Durham-Korrektur verwendet.");
    EXPECT_TRUE(makeFormDruck().find("Memo1")->lines.empty());
}

} // namespace
} // namespace kelvaron
