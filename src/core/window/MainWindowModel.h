// The main window's state and every rule behind its pages, commands and navigation. The Qt window is a
// view of this model: it forwards user events to the handlers below and shows the state they leave.
// All texts are Windows-1252.
#pragma once

#include "core/design/Page.h"
#include "core/design/StudyDesign.h"
#include "core/i18n/FormLang.h"
#include "core/window/GenerateList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaron {

class Clock;
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

class MainWindowModel {
public:
    // `formKelvaron` gives the captions the grids and labels are built from, `formLang` the messages;
    // both are read when a rule runs, so a translation applied at start-up reaches every later text.
    MainWindowModel(Prompter& prompter, Clock& clock, TRandomGenerator& generator,
                    const FormTable& formKelvaron, const FormTable& formLang);

    TStudyDesign design;
    WorkingValues working;
    ListOptions options;
    FieldUsability usable;
    std::string listText; // the list view's content; the view owns it once shown
    std::string blockSeparatorLine;
    std::string centerLinePrefix;
    std::array<std::string, 3> armsHeader;    // row 0 of the arms grid
    std::array<std::string, 4> centersHeader; // row 0 of the centers grid
    std::int32_t armsRow = 1;                 // current row of the arms grid; 0 = none selected
    std::int32_t centersRow = 1;
    ArmFields armFields;
    CenterFields centerFields;
    std::string editSumme = "0";
    FocusTarget focus = FocusTarget::None;

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
    void TabSheetDesignShow() { focus = FocusTarget::EditAnz; }
    void CheckBoxZentrenClick();
    void CheckBoxZentrenKeyDown();

    // Arms page.
    void StringGridArmeClick(std::int32_t row);
    void StringGridArmeExit() { fillArmFields(); }
    void EditCBeschrChange(std::string_view text);
    void EditCRatioChange(std::string_view text);

    // Centers page.
    void TabSheetZentrenEnter() { fillCenterFields(); }
    void StringGridZentrenClick(std::int32_t row);
    void StringGridZentrenExit() { fillCenterFields(); }
    void EditANummerChange(std::string_view text);
    void EditABeschrChange(std::string_view text);
    void EditAFallzahlChange(std::string_view text);
    void StringGridZentrenDrawCell() { updateCenterSum(); }
    void TabSheetZentrenExit();

    // Blocks page: the block-mode rule, run when a radio button is released.
    void RadioButton1MouseUp();
    void RadioButton1KeyUp() { RadioButton1MouseUp(); }

    // Random generator page: propose a seed into EditZZ.
    void ButtonZZClick();

    // List page: check the design and generate the list into listText.
    GenerationOutcome BitBtnStartClick();

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
    [[nodiscard]] std::optional<Page> neighbour(int direction) const;
    void fillArmFields();
    void fillCenterFields();
    void updateCenterSum();
    void writeCentersHeader();
    [[nodiscard]] std::string caption(std::string_view component) const;

    Clock& clock_;
    TRandomGenerator& generator_;
    const FormTable& formKelvaron_;
    Messages messages_;
    std::array<PageState, kPages.size()> pages_{};
    Page active_ = Page::Design;
};

} // namespace kelvaron
