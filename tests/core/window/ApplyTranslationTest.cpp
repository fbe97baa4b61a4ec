// The texts the main window derives from its translated tables, with and without a language file.
#include "core/i18n/ApplicationForms.h"
#include "core/i18n/Translator.h"
#include "core/window/MainWindowModel.h"
#include "support/FakePrompter.h"
#include "support/ModelFixture.h"
#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using test::ansi;

DerivedTexts derivedAfter(ApplicationForms& forms) {
    test::FakePrompter prompter;
    test::FixedClock clock;
    TRandomGenerator generator;
    MainWindowModel model(prompter, clock, generator, forms.formKelvaron, forms.formLang);
    model.applyTranslation();
    return model.derivedTexts();
}

TEST(ApplyTranslation, TheGermanTablesGiveTheGermanTexts) {
    ApplicationForms forms;
    EXPECT_EQ(derivedAfter(forms), (DerivedTexts{.blockSeparatorLine = "------- Block ------",
                                                 .centerLinePrefix = "Zentrum",
                                                 .seedRangeLabel = "1 ... 2147483647",
                                                 .saveDesignDialogTitle = "Studiendesign speichern",
                                                 .openDesignDialogTitle = ansi("Studiendesign öffnen"),
                                                 .saveReportDialogTitle = "Bericht"}));
}

TEST(ApplyTranslation, TheTextsFollowTheLanguageFileButTheSeedRangeDoesNot) {
    test::ScratchFolder dir;
    dir.write("KelvaronLang.ini", "[FormKelvaron]\n"
                                  "FormKelvaron.LabelCenter.Caption=Centre\n"
                                  "FormKelvaron.LabelMinMaxSeed.Caption=1 - MAXINT\n"
                                  "FormKelvaron.BitBtnSave.Caption=&Save design\n"
                                  "FormKelvaron.BitBtnLoad.Caption=Open && load\n"
                                  "FormKelvaron.BitBtnReport.Caption=&Report\n"
                                  "[FormLang]\n"
                                  "FormLang.LabelBlock.Caption=Bloc\n");
    ApplicationForms forms;
    ASSERT_TRUE(ApplyLanguageFile(forms.inCreationOrder(), dir.path(), kLanguageFileName));
    EXPECT_EQ(derivedAfter(forms), (DerivedTexts{.blockSeparatorLine = "------- Bloc ------",
                                                 .centerLinePrefix = "Centre",
                                                 .seedRangeLabel = "1 ... 2147483647",
                                                 .saveDesignDialogTitle = "Save design",
                                                 .openDesignDialogTitle = "Open & load",
                                                 .saveReportDialogTitle = "Report"}));
}

} // namespace
} // namespace kelvaron
