// Navigation, page-change rules and the commands of the main window.
#include "core/window/MainWindowModel.h"

#include "core/engine/SeedProposal.h"
#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormTable.h"

namespace kelvaron {

MainWindowModel::MainWindowModel(Prompter& prompter, Clock& clock, TRandomGenerator& generator,
                                 const FormTable& formKelvaron, const FormTable& formLang)
    : clock_(clock), generator_(generator), formKelvaron_(formKelvaron), formLang_(formLang),
      messages_(formLang, prompter) {}

void MainWindowModel::applyTranslation() {
    derived_ = {.blockSeparatorLine = std::string(fixed::kBlockSeparatorBefore) +
                                      formLang_.captionOf("LabelBlock") +
                                      std::string(fixed::kBlockSeparatorAfter),
                .centerLinePrefix = caption("LabelCenter"),
                .seedRangeLabel = std::string(fixed::kSeedRange),
                .saveDesignDialogTitle = withoutAccessKey(caption("BitBtnSave")),
                .openDesignDialogTitle = withoutAccessKey(caption("BitBtnLoad")),
                .saveReportDialogTitle = withoutAccessKey(caption("BitBtnReport"))};
}

std::string MainWindowModel::caption(std::string_view component) const {
    return formKelvaron_.captionOf(component);
}

void MainWindowModel::showFirstPage() {
    active_ = Page::Design;
    hideCentersPage();
}

void MainWindowModel::hideCentersPage() {
    auto& centers = pageState(Page::Zentren);
    centers.tabVisible = false;
    centers.enabled = false;
}

std::optional<Page> MainWindowModel::neighbour(int direction) const {
    const auto count = static_cast<int>(kPages.size());
    for (int step = 1; step < count; ++step) {
        const int position = ((static_cast<int>(index(active_)) + direction * step) % count + count) % count;
        const Page candidate = kPages[static_cast<std::size_t>(position)];
        if (page(candidate).tabVisible)
            return candidate;
    }
    return std::nullopt;
}

void MainWindowModel::BitBtnNextClick() {
    if (const auto target = neighbour(+1))
        navigate(*target);
}

void MainWindowModel::BitBtnBackClick() {
    if (const auto target = neighbour(-1))
        navigate(*target);
}

void MainWindowModel::choosePage(Page target) {
    if (target != active_)
        navigate(target);
}

void MainWindowModel::leaveCurrentPage() {
    if (active_ == Page::Design)
        (void)TabSheetDesignExit();
    else if (active_ == Page::Zentren)
        TabSheetZentrenExit();
}

void MainWindowModel::navigate(Page target) {
    if (active_ == Page::Design && !TabSheetDesignExit()) {
        showPage(Page::Design); // the check undoes the navigation
        return;
    }
    if (active_ == Page::Zentren)
        TabSheetZentrenExit();
    active_ = target;
    if (active_ == Page::Zentren)
        TabSheetZentrenEnter();
    if (active_ == Page::Design)
        TabSheetDesignShow();
    PageControl1Change();
}

void MainWindowModel::PageControl1Change() {
    if (!design.perCenterLists)
        hideCentersPage();
    if (active_ == Page::Zentren && !design.perCenterLists) {
        messages_.show("MessageCheckListEachCenter");
        showPage(Page::Design);
    }
    if (active_ == Page::Arme)
        fillArmFields();
    if (active_ == Page::Zentren)
        fillCenterFields();
}

void MainWindowModel::showPage(Page target) {
    active_ = target;
    if (target == Page::Design)
        TabSheetDesignShow();
    else if (target == Page::Arme)
        fillArmFields();
    else if (target == Page::Zentren)
        fillCenterFields();
}

void MainWindowModel::ButtonZZClick() {
    design.seed = std::to_string(proposeSeed(clock_, generator_));
}

GenerationOutcome MainWindowModel::BitBtnStartClick() {
    clearList();
    const GenerationInput input{design,
                                working_,
                                messages_,
                                options,
                                derived_.blockSeparatorLine,
                                derived_.centerLinePrefix,
                                armDescriptionHeading()};
    GenerationResult result = generateList(input, generator_);
    if (result.outcome == GenerationOutcome::Generated) {
        generation_ = takeGenerationRecord(design, options, result);
        if (designFile_ && designFile_->second == design)
            generationDesignFile_ = designFile_->first;
    }
    working_ = std::move(result.working);
    if (result.pageToActivate)
        showPage(*result.pageToActivate);
    listText = std::move(result.text);
    return result.outcome;
}

void MainWindowModel::clearList() {
    listText.clear();
    generation_.reset();
    generationDesignFile_.reset();
}

} // namespace kelvaron
