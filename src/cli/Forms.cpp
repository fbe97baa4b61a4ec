#include "cli/Forms.h"

#include "i18n/FormLang.h"
#include "i18n/Forms.h"
#include "shell/DerivedTexts.h"
#include "shell/MainWindowModel.h"

namespace kelvaron::cli {

Forms::Forms(const std::filesystem::path& /*programDir*/)
    : formKelvaron(makeFormKelvaron()), formDruck(makeFormDruck()), formLang(makeFormLang()),
      formSelftest(makeFormSelftest()) {}

void Forms::applyDerivedTexts(MainWindowModel& model) const {
    model.blockSeparatorLine = makeBlockSeparatorLine(formLang);
    model.centerLinePrefix = makeCenterLinePrefix(formKelvaron);
}

} // namespace kelvaron::cli
