#include "core/startup/FirstDisplay.h"

#include "core/i18n/MemIniFile.h"
#include "support/FakePrompter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

TEST(FirstDisplay, WithoutLanguageFileTellsSoAndKeepsTheGermanTexts) {
    test::ScratchFolder dir;
    ApplicationForms forms;
    test::FakePrompter prompter;
    firstDisplay(forms, dir.path(), prompter);
    EXPECT_EQ(prompter.shown,
              (std::vector<test::ShownMessage>{{test::ShownMessage::Kind::Note,
                                                "Missing language file. Please reinstall the software."}}));
    EXPECT_EQ(forms.formKelvaron.captionOf("LabelCenter"), "Zentrum");
    EXPECT_EQ(forms.formKelvaron.captionOf("LabelMinMaxSeed"), "1 ... 2147483647");
}

TEST(FirstDisplay, TheLanguageFileTranslatesEveryFormButNotTheSeedRange) {
    test::ScratchFolder dir;
    dir.write("KelvaronLang.ini", "[FormKelvaron]\n"
                                  "FormKelvaron.LabelCenter.Caption=Centre\n"
                                  "FormKelvaron.LabelMinMaxSeed.Caption=1 - MAXINT\n"
                                  "[FormLang]\n"
                                  "FormLang.LabelBlock.Caption=Bloc\n");
    ApplicationForms forms;
    test::FakePrompter prompter;
    firstDisplay(forms, dir.path(), prompter);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(forms.formKelvaron.captionOf("LabelCenter"), "Centre");
    EXPECT_EQ(forms.formLang.captionOf("LabelBlock"), "Bloc");
    EXPECT_EQ(forms.formKelvaron.captionOf("LabelMinMaxSeed"), "1 ... 2147483647");
}

TEST(FirstDisplay, AnUnreadableLanguageFileIsReportedLikeAMissingOne) {
    test::ScratchFolder dir;
    std::string oversized = "[FormLang]\nFormLang.LabelBlock.Caption=Bloc\n";
    oversized.resize(MemIniFile::kMaxBytes + 1, ' ');
    dir.write("KelvaronLang.ini", oversized);
    ApplicationForms forms;
    test::FakePrompter prompter;
    firstDisplay(forms, dir.path(), prompter);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Missing language file. Please reinstall the software."});
    EXPECT_EQ(forms.formLang.captionOf("LabelBlock"), "Block");
}

} // namespace
} // namespace kelvaron
