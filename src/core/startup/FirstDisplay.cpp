#include "core/startup/FirstDisplay.h"

#include "core/i18n/FixedTexts.h"
#include "core/i18n/Translator.h"
#include "core/platform/Prompter.h"
#include "core/window/DerivedTexts.h"

namespace kelvaron {

DerivedTexts firstDisplay(ApplicationForms& forms, const std::filesystem::path& languageDir,
                          Prompter& prompter) {
    // A file that is there but cannot be read leaves the program as untranslated as a missing one, so
    // the user is told the same.
    if (!ApplyLanguageFile(forms.inCreationOrder(), languageDir, kLanguageFileName))
        prompter.note(fixed::kMissingLanguageFile);

    const std::string seedRange(fixed::kSeedRange);
    if (FormComponent* label = forms.formKelvaron.find("LabelMinMaxSeed"))
        label->caption = seedRange;

    const FormTable& mainWindow = forms.formKelvaron;
    return {.blockSeparatorLine = makeBlockSeparatorLine(forms.formLang),
            .centerLinePrefix = makeCenterLinePrefix(mainWindow),
            .seedRangeLabel = seedRange,
            .saveDesignDialogTitle = mainWindow.captionOf("BitBtnSave"),
            .openDesignDialogTitle = mainWindow.captionOf("BitBtnLoad")};
}

} // namespace kelvaron
