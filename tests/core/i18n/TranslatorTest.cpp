#include "core/i18n/Translator.h"

#include "core/i18n/ApplicationForms.h"
#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

using test::ansi;
using Lines = std::vector<std::string>;

MemIniFile ini(std::string_view utf8) {
    return MemIniFile::parse(ansi(utf8));
}

FormTable translatedFormKelvaron(std::string_view utf8) {
    FormTable form = makeFormKelvaron();
    TranslateForm(form, ini(utf8));
    return form;
}

TEST(TranslateForm, OnlyTheFormCaptionChangesWhenTheFileGivesOnlyIt) {
    FormTable expected = makeFormKelvaron();
    expected.caption = "Kelvaron 1.5";
    EXPECT_EQ(translatedFormKelvaron("[FormKelvaron]\nFormKelvaron.Caption=Kelvaron 1.5\n"), expected);
}

TEST(TranslateForm, KeysInOtherLetterCaseApply) {
    const FormTable form =
        translatedFormKelvaron("[formkelvaron]\nformkelvaron.bitbtnstart.caption=Generate\n");
    EXPECT_EQ(form.captionOf("BitBtnStart"), "Generate");
}

TEST(TranslateForm, ValuesLoseTheirSurroundingBlanks) {
    const FormTable form = translatedFormKelvaron("[FormKelvaron]\n"
                                                  "FormKelvaron.LabelArm.Caption=   Arm   \n"
                                                  "FormKelvaron.Memo1.Lines[0]=   indented\n");
    EXPECT_EQ(form.captionOf("LabelArm"), "Arm");
    EXPECT_EQ(form.find("Memo1")->lines, Lines{"indented"});
}

TEST(TranslateForm, MemoLinesEndAtTheFirstMissingIndex) {
    const FormTable form = translatedFormKelvaron("[FormKelvaron]\n"
                                                  "FormKelvaron.Memo1.Lines[0]=eins\n"
                                                  "FormKelvaron.Memo1.Lines[1]=zwei\n"
                                                  "FormKelvaron.Memo1.Lines[3]=vier\n");
    EXPECT_EQ(form.find("Memo1")->lines, (Lines{"eins", "zwei"}));
}

TEST(TranslateForm, AnEmptyFirstMemoLineReplacesTheTextAndTheListGoesOn) {
    EXPECT_EQ(translatedFormKelvaron("[FormKelvaron]\nFormKelvaron.Memo2.Lines[0]=\n").find("Memo2")->lines,
              Lines{""});
    EXPECT_EQ(translatedFormKelvaron(
                  "[FormKelvaron]\nFormKelvaron.Memo2.Lines[0]=\nFormKelvaron.Memo2.Lines[1]=b\n")
                  .find("Memo2")
                  ->lines,
              (Lines{"", "b"}));
}

TEST(TranslateForm, MemoLinesWithoutIndexZeroChangeNothing) {
    EXPECT_EQ(translatedFormKelvaron("[FormKelvaron]\nFormKelvaron.Memo1.Lines[1]=zwei\n"),
              makeFormKelvaron());
}

TEST(TranslateForm, KeysThatNameNothingAreIgnored) {
    const FormTable form = translatedFormKelvaron("[FormKelvaron]\n"
                                                  "FormKelvaron.NoSuchButton.Caption=x\n"
                                                  "FormKelvaron.EditAnz.Caption=no caption on an edit\n"
                                                  "FormKelvaron.TimerStart.Hint=no hint on a timer\n"
                                                  "FormKelvaron.BitBtnStart.Category=no category\n"
                                                  "FormKelvaron.BitBtnStart.Lines[0]=not a memo\n"
                                                  "FormKelvaron.BitBtnStart.Caption=\n"
                                                  "[FormNoSuchForm]\nFormNoSuchForm.Caption=x\n"
                                                  "[FormDruck]\nFormKelvaron.Caption=wrong section\n");
    EXPECT_EQ(form, makeFormKelvaron());
}

TEST(TranslateForm, ReadsTheSectionOfTheFormNameUpToTheFirstUnderscore) {
    EXPECT_EQ(languageSection("FormKelvaron_1_2"), "FormKelvaron");
    EXPECT_EQ(languageSection("FormLang"), "FormLang");
    FormTable form = makeFormSelftest();
    form.name = "FormSelftest_1";
    TranslateForm(
        form, ini("[FormSelftest]\nFormSelftest.Caption=Self-test\nFormSelftest.BitBtnClose.Caption=Cancel\n"
                  "[FormSelftest_1]\nFormSelftest_1.Caption=never read\n"));
    EXPECT_EQ(form.caption, "Self-test");
    EXPECT_EQ(form.captionOf("BitBtnClose"), "Cancel");
}

// A form with the list classes the walk knows, and one derived class it must not treat as them.
FormTable listForm() {
    const auto list = [](const char* name, const char* className) {
        return FormComponent{.name = name, .className = className, .hint = "", .items = {"a", "b", "c"}};
    };
    FormTable form{"FormTest",
                   "Test",
                   {list("CheckList", "TCheckListBox"), list("Radio", "TRadioGroup"),
                    list("Combo", "TComboBox"), list("Derived", "TMyRadioGroup")}};
    form.components.push_back(
        {.name = "Header", .className = "THeaderControl", .hint = "", .sections = {"x", "y"}});
    form.components.push_back({.name = "DerivedMemo", .className = "TMyMemo", .hint = "", .lines = {"keep"}});
    return form;
}

TEST(TranslateForm, ListItemsFollowTheirClassRulesAndDerivedClassesAreLeftAlone) {
    FormTable form = listForm();
    TranslateForm(form, ini("[FormTest]\n"
                            "FormTest.CheckList.Items[0]=\n"
                            "FormTest.CheckList.Items[1]=B\n"
                            "FormTest.CheckList.Items[3]=beyond the item count\n"
                            "FormTest.Radio.Items[0]=\n"
                            "FormTest.Radio.Items[2]=C\n"
                            "FormTest.Combo.Items[0]=\n"
                            "FormTest.Combo.Items[1]=B\n"
                            "FormTest.Derived.Items[0]=A\n"
                            "FormTest.Derived.Hint=derived classes keep their hint\n"
                            "FormTest.DerivedMemo.Lines[0]=not a memo by exact name\n"
                            "FormTest.Header.Section[0]=\n"
                            "FormTest.Header.Section[1]=Y\n"));
    EXPECT_EQ(form.find("CheckList")->items, (Lines{"", "B", "c"}));
    EXPECT_EQ(form.find("Radio")->items, (Lines{"a", "b", "C"}));
    EXPECT_EQ(form.find("Combo")->items, (Lines{"a", "B", "c"}));
    EXPECT_EQ(form.find("Derived")->items, (Lines{"a", "b", "c"}));
    EXPECT_EQ(form.find("Derived")->hint, "derived classes keep their hint");
    EXPECT_EQ(form.find("DerivedMemo")->lines, Lines{"keep"});
    EXPECT_EQ(form.find("Header")->sections, (Lines{"x", "Y"}));
}

TEST(SetStringProperty, SetsOnlyNonEmptyValuesOfPropertiesTheClassHas) {
    FormComponent button{.name = "B", .className = "TButton", .caption = "alt", .hint = ""};
    SetStringProperty(button, "Caption", "");
    SetStringProperty(button, "Category", "none");
    SetStringProperty(button, "Text", "none");
    EXPECT_EQ(button, (FormComponent{.name = "B", .className = "TButton", .caption = "alt", .hint = ""}));
    SetStringProperty(button, "Caption", "neu");
    SetStringProperty(button, "Hint", "Tipp");
    EXPECT_EQ(button, (FormComponent{.name = "B", .className = "TButton", .caption = "neu", .hint = "Tipp"}));
}

TEST(ApplyLanguageFile, TranslatesEveryFormFromTheFileInTheProgramFolder) {
    test::ScratchFolder dir;
    dir.write("KelvaronLang.ini", "\xEF\xBB\xBF[FormKelvaron]\nFormKelvaron.BitBtnClose.Caption=Close\n"
                                  "[FormDruck]\nFormDruck.Button2.Caption=Print\n"
                                  "[FormLang]\nFormLang.LabelBlock.Caption=B\xC3\xB6\x63k\n"
                                  "[FormSelftest]\nFormSelftest.Label2.Caption=Checksum\n");
    ApplicationForms forms;
    EXPECT_TRUE(ApplyLanguageFile(forms.inCreationOrder(), dir.path(), kLanguageFileName));
    EXPECT_EQ(forms.formKelvaron.captionOf("BitBtnClose"), "Close");
    EXPECT_EQ(forms.formDruck.captionOf("Button2"), "Print");
    EXPECT_EQ(forms.formLang.captionOf("LabelBlock"), ansi("Böck"));
    EXPECT_EQ(forms.formSelftest.captionOf("Label2"), "Checksum");
}

TEST(ApplyLanguageFile, ChangesNothingWithoutAReadableFile) {
    test::ScratchFolder dir;
    std::filesystem::create_directory(dir.path() / "KelvaronLang.ini");
    ApplicationForms forms;
    EXPECT_FALSE(ApplyLanguageFile(forms.inCreationOrder(), dir.path() / "missing", kLanguageFileName));
    EXPECT_FALSE(ApplyLanguageFile(forms.inCreationOrder(), dir.path(), kLanguageFileName));
    EXPECT_EQ(forms.formKelvaron, makeFormKelvaron());
    EXPECT_EQ(forms.formLang, makeFormLang());
}

} // namespace
} // namespace kelvaron
