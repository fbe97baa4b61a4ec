#include "gui/TFormKelvaron.h"

#include "core/i18n/FixedTexts.h"
#include "core/i18n/FormTable.h"
#include "core/platform/FileChooser.h"
#include "gui/ClickableLabel.h"
#include "gui/FormTexts.h"
#include "gui/QtText.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>

namespace kelvaron::gui {
namespace {

constexpr int kStartDelayMs = 50;

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

// The hourglass for the length of a command, made visible at once by one pass of pending events.
class WaitCursor {
public:
    WaitCursor() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The focus moving to another control of the window; not the window losing the focus to a message box.
bool focusMovedWithinWindow(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Input by which the user may choose another page on the tab bar: a click, the wheel, the arrow keys, a
// tab's access key; on the page control itself, Ctrl+Tab and Ctrl+PgUp/PgDn.
bool mayChoosePage(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

} // namespace

TFormKelvaron::TFormKelvaron(const FormTable& formKelvaron, const FormTable& formLang,
                             const WindowServices& services, QWidget* parent)
    : QWidget(parent, kWindowFlags), formKelvaron_(formKelvaron), files_(services.files),
      model_(services.prompter, services.clock, services.generator, formKelvaron, formLang),
      w_(buildFormKelvaron(*this)) {
    setObjectName(QString::fromStdString(formKelvaron.name));
    applyFormTexts(*this, formKelvaron);
    timerStart_ = new QTimer(this);
    timerStart_->setObjectName(QStringLiteral("TimerStart"));
    timerStart_->setInterval(kStartDelayMs);
    timerStart_->setSingleShot(true);
    connect(timerStart_, &QTimer::timeout, this, &TFormKelvaron::TimerStartTimer);
    connectDesignFields();
    connectGrids();
    connectCommands();
    refreshFromModel();
}

std::string TFormKelvaron::listViewText() const {
    return w_.richEditList->list();
}

void TFormKelvaron::connectDesignFields() {
    const auto designText = [this](QLineEdit* field, std::string TStudyDesign::*text) {
        connect(field, &QLineEdit::textEdited, this,
                [this, text](const QString& typed) { run([&] { model_.design.*text = coreText(typed); }); });
    };
    designText(w_.editStudName, &TStudyDesign::studyName);
    designText(w_.editAnz, &TStudyDesign::patientCount);
    designText(w_.editArme, &TStudyDesign::armCount);
    designText(w_.editZentren, &TStudyDesign::centerCount);
    designText(w_.editFix, &TStudyDesign::fixedBlockSize);
    designText(w_.editVon, &TStudyDesign::minBlockSize);
    designText(w_.editBis, &TStudyDesign::maxBlockSize);

    const auto fieldChange = [this](QLineEdit* field, void (MainWindowModel::*change)(std::string_view)) {
        connect(field, &QLineEdit::textEdited, this,
                [this, change](const QString& typed) { run([&] { (model_.*change)(coreText(typed)); }); });
    };
    fieldChange(w_.editCBeschr, &MainWindowModel::EditCBeschrChange);
    fieldChange(w_.editCRatio, &MainWindowModel::EditCRatioChange);
    fieldChange(w_.editANummer, &MainWindowModel::EditANummerChange);
    fieldChange(w_.editABeschr, &MainWindowModel::EditABeschrChange);
    fieldChange(w_.editAFallzahl, &MainWindowModel::EditAFallzahlChange);

    connect(w_.checkBoxZentren, &QCheckBox::clicked, this,
            [this](bool checked) { run([&] { model_.setPerCenterLists(checked); }); });
    const auto blockMode = [this](QRadioButton* button, BlockMode mode) {
        connect(button, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (!checked)
                return;
            run([&] { model_.setBlockMode(mode); });
        });
    };
    blockMode(w_.radioButton1, BlockMode::Fixed);
    blockMode(w_.radioButton2, BlockMode::Variable);
    connect(w_.checkBoxBlocks, &QCheckBox::toggled, this,
            [this](bool checked) { run([&] { model_.options.markBlocks = checked; }); });
    connect(w_.checkBoxSeed, &QCheckBox::toggled, this,
            [this](bool checked) { run([&] { model_.options.printSeed = checked; }); });
}

void TFormKelvaron::connectGrids() {
    // Grid rows count from 0 for the first arm or center; the model counts it as row 1.
    connect(w_.stringGridArme, &QTableWidget::currentCellChanged, this,
            [this](int row) { model_.selectArmRow(row + 1); });
    connect(w_.stringGridArme, &QTableWidget::cellClicked, this,
            [this](int row) { run([&] { model_.StringGridArmeClick(row + 1); }); });
    connect(w_.stringGridZentren, &QTableWidget::currentCellChanged, this,
            [this](int row) { model_.selectCenterRow(row + 1); });
    connect(w_.stringGridZentren, &QTableWidget::cellClicked, this,
            [this](int row) { run([&] { model_.StringGridZentrenClick(row + 1); }); });
    w_.stringGridArme->installEventFilter(this);
    w_.stringGridZentren->installEventFilter(this);
}

bool TFormKelvaron::eventFilter(QObject* watched, QEvent* event) {
    if (!refreshing_ && (watched == w_.pageControl1 || watched == w_.pageControl1->tabBar()) &&
        mayChoosePage(event))
        return choosePageByInput(watched, event);
    if (refreshing_ || !focusMovedWithinWindow(event))
        return QWidget::eventFilter(watched, event);
    // The focus also leaves a grid while its page is being hidden, in the middle of a page change: only the
    // fields of that grid are brought up to date here, the pages follow when the change has been handled.
    if (watched == w_.stringGridArme) {
        model_.StringGridArmeExit();
        refreshArms();
    } else if (watched == w_.stringGridZentren) {
        model_.StringGridZentrenExit();
        refreshCenters();
    }
    return QWidget::eventFilter(watched, event);
}

void TFormKelvaron::connectCommands() {
    w_.pageControl1->installEventFilter(this);
    w_.pageControl1->tabBar()->installEventFilter(this);
    connect(w_.pageControl1, &QTabWidget::currentChanged, this, &TFormKelvaron::PageControl1Change);
    connect(w_.bitBtnBack, &QPushButton::clicked, this,
            [this] { run([this] { model_.BitBtnBackClick(); }); });
    connect(w_.bitBtnNext, &QPushButton::clicked, this,
            [this] { run([this] { model_.BitBtnNextClick(); }); });
    connect(w_.buttonZZ, &QPushButton::clicked, this, [this] { run([this] { model_.ButtonZZClick(); }); });
    connect(w_.bitBtnStart, &QPushButton::clicked, this, &TFormKelvaron::BitBtnStartClick);
    connect(w_.bitBtnExport, &QPushButton::clicked, this, &TFormKelvaron::BitBtnExportClick);
    connect(w_.bitBtnReport, &QPushButton::clicked, this, &TFormKelvaron::BitBtnReportClick);
    connect(w_.bitBtnClipboard, &QPushButton::clicked, this, &TFormKelvaron::BitBtnClipboardClick);
    connect(w_.bitBtnPrint, &QPushButton::clicked, this, &TFormKelvaron::printRequested);
    connect(w_.bitBtnSelftest, &QPushButton::clicked, this, &TFormKelvaron::selftestRequested);
    connect(w_.labelWWW, &ClickableLabel::clicked, this,
            [this] { emit webAddressClicked(w_.labelWWW->text()); });
    connect(w_.bitBtnLoad, &QPushButton::clicked, this, &TFormKelvaron::BitBtnLoadClick);
    connect(w_.bitBtnSave, &QPushButton::clicked, this, &TFormKelvaron::BitBtnSaveClick);
    connect(w_.bitBtnClose, &QPushButton::clicked, this, &TFormKelvaron::BitBtnCloseClick);
}

void TFormKelvaron::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    FormShow();
}

void TFormKelvaron::FormShow() {
    emit firstShowing();
    applyFormTexts(*this, formKelvaron_);
    model_.applyTranslation();
    w_.labelMinMaxSeed->setText(qtText(model_.derivedTexts().seedRangeLabel));
    run([this] {
        model_.showFirstPage();
        model_.TabSheetDesignShow();
    });
    // Armed last rather than first, so that the checks run once this handler has returned: never while the
    // message about a missing language file is open, and never before the derived texts exist.
    timerStart_->start();
}

void TFormKelvaron::TimerStartTimer() {
    timerStart_->stop();
    emit startupChecksDue();
}

void TFormKelvaron::PageControl1Change(int index) {
    // The tab bar has already switched; the model decides which page is active, and the refresh shows it.
    if (index < 0 || static_cast<std::size_t>(index) >= kPages.size())
        return;
    run([&] { model_.choosePage(kPages[static_cast<std::size_t>(index)]); });
}

bool TFormKelvaron::choosePageByInput(QObject* receiver, QEvent* event) {
    // The page control shows the page its tab bar reports; with the bar silent, the shown page stays.
    QTabBar* bar = w_.pageControl1->tabBar();
    const int before = bar->currentIndex();
    {
        const QSignalBlocker silent(bar);
        receiver->event(event);
    }
    const int chosen = bar->currentIndex();
    if (chosen != before) {
        {
            const QSignalBlocker silent(bar);
            bar->setCurrentIndex(before);
        }
        PageControl1Change(chosen);
    }
    return true;
}

void TFormKelvaron::BitBtnStartClick() {
    // A click made while the list is generated reaches a disabled button and is dropped, rather than
    // waiting in the queue to generate the list once more.
    w_.bitBtnStart->setEnabled(false);
    w_.richEditList->setList({});
    {
        const WaitCursor hourglass;
        (void)model_.BitBtnStartClick();
        w_.richEditList->setList(model_.listText);
    }
    QCoreApplication::processEvents();
    w_.bitBtnStart->setEnabled(true);
    refreshFromModel();
}

void TFormKelvaron::BitBtnExportClick() {
    if (const auto choice = files_.exportList())
        static_cast<void>(model_.exportList(*choice, listViewText()));
}

void TFormKelvaron::BitBtnReportClick() {
    const auto path = files_.saveReport(model_.derivedTexts().saveReportDialogTitle);
    if (!path)
        return;
    const ProgramIdentity program = programIdentity(
        std::string(fixed::kBoxTitle), KELVARON_VERSION,
        std::filesystem::path(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()));
    static_cast<void>(model_.saveReport(*path, listViewText(), program));
}

void TFormKelvaron::BitBtnClipboardClick() {
    w_.richEditList->copyAll();
}

void TFormKelvaron::BitBtnLoadClick() {
    run([this] { model_.leaveCurrentPage(); });
    const auto path = files_.openDesign(model_.derivedTexts().openDesignDialogTitle);
    run([&] { model_.loadDesign(path); });
}

void TFormKelvaron::openDesign(const std::filesystem::path& path) {
    run([this] { model_.leaveCurrentPage(); });
    run([&] { model_.loadNamedDesign(path); });
}

void TFormKelvaron::BitBtnSaveClick() {
    run([this] { model_.leaveCurrentPage(); });
    if (const auto path = files_.saveDesign(model_.derivedTexts().saveDesignDialogTitle))
        run([&] { model_.saveDesign(*path); });
}

void TFormKelvaron::BitBtnCloseClick() {
    run([this] { model_.leaveCurrentPage(); });
    close();
}

} // namespace kelvaron::gui
