#include "core/startup/FirstDisplay.h"

#include "core/i18n/FixedTexts.h"
#include "core/i18n/Translator.h"
#include "core/platform/Prompter.h"

namespace kelvaron {

void firstDisplay(ApplicationForms& forms, const std::filesystem::path& languageDir, Prompter& prompter) {
    // A file that is there but cannot be read leaves the program as untranslated as a missing one, so
    // the user is told the same.
    if (!ApplyLanguageFile(forms.inCreationOrder(), languageDir, kLanguageFileName))
        prompter.note(fixed::kMissingLanguageFile);
    if (FormComponent* label = forms.formKelvaron.find("LabelMinMaxSeed"))
        label->caption = std::string(fixed::kSeedRange);
}

} // namespace kelvaron
