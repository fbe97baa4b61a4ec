// The main window FormKelvaron: the seven wizard pages and the commands around them, as a view of the
// core's MainWindowModel. Every user event calls the model; then refreshFromModel() shows its state.
#pragma once

#include "core/window/MainWindowModel.h"
#include "gui/FormKelvaronWidgets.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <string>

class QTimer;

namespace kelvaron {
class Clock;
class FileChooser;
class Prompter;
class TRandomGenerator;
struct FormTable;
} // namespace kelvaron

namespace kelvaron::gui {

// The platform services the window and its model use; all of them outlive the window.
struct WindowServices {
    Prompter& prompter;
    Clock& clock;
    TRandomGenerator& generator;
    FileChooser& files;
};

class TFormKelvaron : public QWidget {
    Q_OBJECT
public:
    // The widgets take their texts from `formKelvaron`; messages come from `formLang`. Both tables are
    // read again whenever a rule runs, so they must outlive the window.
    TFormKelvaron(const FormTable& formKelvaron, const FormTable& formLang, const WindowServices& services,
                  QWidget* parent = nullptr);

    [[nodiscard]] MainWindowModel& model() { return model_; }
    // The list view's current text (Windows-1252), including the user's edits: what export and print take.
    [[nodiscard]] std::string listViewText() const;
    // Sets every widget from the model's state, without running any handler.
    void refreshFromModel();
    // Opens the design file named on the command line as "Studiendesign öffnen" does when the file is
    // chosen in its dialog, with the same messages for a file that cannot be read or does not exist.
    void openDesign(const std::filesystem::path& path);

signals:
    // The window is being shown for the first time and is about to show its tables' texts: the moment to
    // apply the language file to them. A connected slot runs before the window derives its texts.
    void firstShowing();
    // TimerStart has fired, once, about 50 ms after the first display: the moment of the start-up checks.
    // A failed check closes the window.
    void startupChecksDue();
    // "Drucken" was pressed; the list to print is listViewText().
    void printRequested();
    // "Selbsttest" was pressed.
    void selftestRequested();
    // The web address label was clicked; `address` is its caption.
    void webAddressClicked(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    // Reports the focus leaving a grid, which fills the fields below it, and hands the pages' tabs' input
    // to choosePageByInput.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectDesignFields();
    void connectGrids();
    void connectCommands();

    // First display: the language file (firstShowing), the derived texts and the first page; then TimerStart.
    void FormShow();
    // The start-up checks, once (startupChecksDue).
    void TimerStartTimer();
    void PageControl1Change(int index);
    // Lets the tab bar (or the page control, for its keys) handle the user's input without switching the
    // page itself; a page the input chooses is handed to the model, whose checks run before any page is
    // shown. Returns true: the input has been handled.
    bool choosePageByInput(QObject* receiver, QEvent* event);
    void BitBtnStartClick();
    void BitBtnExportClick();
    void BitBtnReportClick();
    void BitBtnClipboardClick();
    void BitBtnLoadClick();
    void BitBtnSaveClick();
    void BitBtnCloseClick();

    // Runs a model handler for a user event and shows the state it leaves.
    template <typename Handler> void run(Handler&& handler) {
        handler();
        refreshFromModel();
    }

    void refreshPages();
    void refreshDesignFields();
    void refreshArms();
    void refreshCenters();
    void refreshBlocksAndSeed();
    void applyFocus();

    const FormTable& formKelvaron_;
    FileChooser& files_;
    MainWindowModel model_;
    FormKelvaronWidgets w_;
    QTimer* timerStart_ = nullptr;
    bool shown_ = false;
    bool refreshing_ = false;
};

} // namespace kelvaron::gui
