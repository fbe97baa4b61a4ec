// The main window's state and every rule behind its pages, commands and navigation. The Qt window is a
// view of this model: it forwards user events to the handlers below and shows the state they leave.
// All texts are Windows-1252.
#pragma once

#include "core/audit/GenerationRecord.h"
#include "core/audit/ReportCircumstances.h"
#include "core/design/Page.h"
#include "core/design/StudyDesign.h"
#include "core/i18n/FormLang.h"
#include "core/window/GenerateList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace kelvaron {

class Clock;
struct ExportChoice;
class Prompter;
class TRandomGenerator;
struct FormTable;

struct PageState {
    bool tabVisible = true;
    bool enabled = true;
    bool operator==(const PageState&) const = default;
};

// Which edit fields are usable (enabled, white) or not (disabled, grey).
struct FieldUsability {
    bool editZentren = false;
    bool editFix = true;
    bool editVon = false;
    bool editBis = false;
    bool operator==(const FieldUsability&) const = default;
};

enum class FocusTarget { None, EditAnz, EditCBeschr, EditABeschr };

// The edit fields below a grid, showing the selected row.
struct ArmFields {
    std::string editCArm, editCBeschr, editCRatio;
    bool operator==(const ArmFields&) const = default;
};
struct CenterFields {
    std::string editAZentrum, editANummer, editABeschr, editAFallzahl;
    bool operator==(const CenterFields&) const = default;
};

// The texts the window derives from the translated tables once the interface language is in force.
struct DerivedTexts {
    std::string blockSeparatorLine;    // "------- " + FormLang's LabelBlock + " ------"
    std::string centerLinePrefix;      // FormKelvaron's LabelCenter
    std::string seedRangeLabel;        // "1 ... 2147483647", the caption of LabelMinMaxSeed
    std::string saveDesignDialogTitle; // the caption of BitBtnSave without its access key
    std::string openDesignDialogTitle; // the caption of BitBtnLoad without its access key
    std::string saveReportDialogTitle; // the caption of BitBtnReport without its access key
    bool operator==(const DerivedTexts&) const = default;
};

class MainWindowModel {
public:
    // `formKelvaron` gives the captions the grids and labels are built from, `formLang` the messages;
    // both are read when a rule runs, so a translation applied at start-up reaches every later text.
    MainWindowModel(Prompter& prompter, Clock& clock, TRandomGenerator& generator,
                    const FormTable& formKelvaron, const FormTable& formLang);

    // What the user edits directly: the design's fields, the list options and the list view's text
    // (the view owns that text once shown).
    TStudyDesign design;
    ListOptions options;
    std::string listText;

    // Derives the texts that follow from the translated tables; run once the language file is applied,
    // before the first page is shown. Every front end calls it; nothing else derives these texts.
    void applyTranslation();
    [[nodiscard]] const DerivedTexts& derivedTexts() const { return derived_; }
    [[nodiscard]] const std::string& blockSeparatorLine() const { return derived_.blockSeparatorLine; }
    [[nodiscard]] const std::string& centerLinePrefix() const { return derived_.centerLinePrefix; }

    [[nodiscard]] const WorkingValues& working() const { return working_; }
    [[nodiscard]] const FieldUsability& usable() const { return usable_; }
    [[nodiscard]] const std::array<std::string, 3>& armsHeader() const { return armsHeader_; }
    [[nodiscard]] const std::array<std::string, 4>& centersHeader() const { return centersHeader_; }
    // Row 0 of the arms grid's description column.
    [[nodiscard]] const std::string& armDescriptionHeading() const { return armsHeader_[1]; }
    // The current rows of the grids, counted from 1; 0 = none selected.
    [[nodiscard]] std::int32_t armsRow() const { return armsRow_; }
    [[nodiscard]] std::int32_t centersRow() const { return centersRow_; }
    [[nodiscard]] const ArmFields& armFields() const { return armFields_; }
    [[nodiscard]] const CenterFields& centerFields() const { return centerFields_; }
    [[nodiscard]] const std::string& editSumme() const { return editSumme_; }
    [[nodiscard]] FocusTarget focus() const { return focus_; }
    // The field that should take the focus now; the request is used up.
    [[nodiscard]] FocusTarget takeFocus() { return std::exchange(focus_, FocusTarget::None); }
    // Whether the list view must be emptied because another design was opened; the request is used up.
    [[nodiscard]] bool takeListViewClearing() { return std::exchange(clearListView_, false); }

    [[nodiscard]] Page activePage() const { return active_; }
    [[nodiscard]] const PageState& page(Page page) const { return pages_[index(page)]; }
    // Sets the active page from the program: no leave check and no page-change rules.
    void setActivePage(Page page) { active_ = page; }
    // Initial state of the first display: design page active, centers page hidden.
    void showFirstPage();

    // Navigation by the user: Back, Next, or a chosen tab. Each runs the leave check of the current
    // page, then activates the new page and runs the page-change rules.
    void BitBtnNextClick();
    void BitBtnBackClick();
    void choosePage(Page target);
    // The focus leaves the current page for a command outside the pages (Load, Save, Close).
    void leaveCurrentPage();
    void PageControl1Change();

    // Design page. Returns false when the user is sent back to the design page.
    [[nodiscard]] bool TabSheetDesignExit();
    void TabSheetDesignShow() { focus_ = FocusTarget::EditAnz; }
    // The user sets "Listen pro Zentrum": the box's click rule follows.
    void setPerCenterLists(bool perCenter);
    void CheckBoxZentrenClick();
    void CheckBoxZentrenKeyDown();

    // Arms page.
    // The grid's current row moved (by keys or a click) without a handler of its own.
    void selectArmRow(std::int32_t row) { armsRow_ = row; }
    void StringGridArmeClick(std::int32_t row);
    void StringGridArmeExit() { fillArmFields(); }
    void EditCBeschrChange(std::string_view text);
    void EditCRatioChange(std::string_view text);

    // Centers page.
    void selectCenterRow(std::int32_t row) { centersRow_ = row; }
    void TabSheetZentrenEnter() { fillCenterFields(); }
    void StringGridZentrenClick(std::int32_t row);
    void StringGridZentrenExit() { fillCenterFields(); }
    void EditANummerChange(std::string_view text);
    void EditABeschrChange(std::string_view text);
    void EditAFallzahlChange(std::string_view text);
    // The sum of the planned sizes in EditSumme, brought up to date whenever the centers grid is drawn.
    void updateCenterSum();
    void StringGridZentrenDrawCell() { updateCenterSum(); }
    void TabSheetZentrenExit();

    // Blocks page: the user chooses fixed or variable blocks, and the block-mode rule runs when a radio
    // button is released.
    void setBlockMode(BlockMode mode);
    void RadioButton1MouseUp();
    void RadioButton1KeyUp() { RadioButton1MouseUp(); }

    // Random generator page: propose a seed into EditZZ.
    void ButtonZZClick();

    // List page: check the design and generate the list into listText.
    GenerationOutcome BitBtnStartClick();
    // Empties the list view; the record of its generation goes with it.
    void clearList();
    // The record of the list in the view, from the generation that wrote it; nullopt when the view holds
    // no generated list.
    [[nodiscard]] const std::optional<GenerationRecord>& generation() const { return generation_; }
    // The file the generated design was loaded from or saved to, when it was generated unchanged since.
    [[nodiscard]] const std::optional<std::filesystem::path>& generationDesignFile() const {
        return generationDesignFile_;
    }
    // Whether the self-test passed at start-up; the generation report states it.
    bool selftestPassed = false;

    // The export command after its dialog: the view's text as it is, or a table of the list as generated.
    // A table is written only while the view shows the generated list unchanged (`listViewText`);
    // otherwise a message says why nothing was written. False when nothing was written.
    bool exportList(const ExportChoice& choice, std::string_view listViewText);
    // "Bericht" after its dialog: the generation report of the list as generated, on the same condition.
    bool saveReport(const std::filesystem::path& path, std::string_view listViewText,
                    const ProgramIdentity& program);

    // Design file commands after their dialogs; nullopt = the dialog was cancelled.
    void loadDesign(const std::optional<std::filesystem::path>& path);
    // A design file named on the command line: loaded as loadDesign() does, except that a file which does
    // not exist (or is a folder) is reported as one that cannot be opened instead of being read as an
    // empty design.
    void loadNamedDesign(const std::filesystem::path& path);
    void saveDesign(const std::filesystem::path& path);

    [[nodiscard]] const Messages& messages() const { return messages_; }

private:
    static std::size_t index(Page page) { return static_cast<std::size_t>(page); }
    // A grid's current row after its list changed length: within the rows, and a row when there is one.
    static std::int32_t clampRow(std::int32_t row, std::int32_t length);
    PageState& pageState(Page page) { return pages_[index(page)]; }
    void hideCentersPage();
    void navigate(Page target);
    // Makes `target` the active page, shown with what every showing of it brings: the fields of the
    // grid's current row below the arms or centers grid, the focus on EditAnz on the design page.
    void showPage(Page target);
    [[nodiscard]] std::optional<Page> neighbour(int direction) const;
    void fillArmFields();
    void fillCenterFields();
    void writeCentersHeader();
    [[nodiscard]] std::string caption(std::string_view component) const;
    // True when the view shows the generated list unchanged; otherwise shows why no table is written.
    [[nodiscard]] bool viewShowsGeneration(std::string_view listViewText) const;

    Clock& clock_;
    TRandomGenerator& generator_;
    const FormTable& formKelvaron_;
    const FormTable& formLang_;
    Messages messages_;
    DerivedTexts derived_;
    WorkingValues working_;
    FieldUsability usable_;
    std::array<std::string, 3> armsHeader_;    // row 0 of the arms grid
    std::array<std::string, 4> centersHeader_; // row 0 of the centers grid
    std::int32_t armsRow_ = 1;
    std::int32_t centersRow_ = 1;
    ArmFields armFields_;
    CenterFields centerFields_;
    std::string editSumme_ = "0";
    FocusTarget focus_ = FocusTarget::None;
    bool clearListView_ = false;
    std::array<PageState, kPages.size()> pages_{};
    Page active_ = Page::Design;
    // The file the design was last loaded from or saved to, with the design as it was then.
    std::optional<std::pair<std::filesystem::path, TStudyDesign>> designFile_;
    std::optional<GenerationRecord> generation_;
    // The design file of the generation, when the design was generated as loaded or saved.
    std::optional<std::filesystem::path> generationDesignFile_;
};

} // namespace kelvaron
