// The main window with scripted messages and file choices, and helpers that act on it as a user would.
#pragma once

#include "core/engine/TRandomGenerator.h"
#include "core/i18n/FormLang.h"
#include "core/i18n/Forms.h"
#include "core/platform/FileChooser.h"
#include "gui/QtText.h"
#include "gui/TFormKelvaron.h"
#include "support/ModelFixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaron::test {

// Answers the file dialogs in order; a dialog with no answer left is cancelled. The export dialog takes
// its file type from exportTypes in order, the text file when none is left.
class ScriptedFileChooser : public FileChooser {
public:
    std::deque<std::optional<std::filesystem::path>> choices;
    std::deque<ExportType> exportTypes;
    std::vector<QString> titles; // of every dialog shown

    std::optional<std::filesystem::path> openDesign(std::string_view title) override {
        return next(gui::qtText(title));
    }
    std::optional<std::filesystem::path> saveDesign(std::string_view title) override {
        return next(gui::qtText(title));
    }
    std::optional<ExportChoice> exportList() override {
        auto path = next(QStringLiteral("export"));
        ExportType type = ExportType::Text;
        if (!exportTypes.empty()) {
            type = exportTypes.front();
            exportTypes.pop_front();
        }
        if (!path)
            return std::nullopt;
        return ExportChoice{*path, type};
    }
    std::optional<std::filesystem::path> saveReport(std::string_view title) override {
        return next(gui::qtText(title));
    }

private:
    std::optional<std::filesystem::path> next(const QString& title) {
        titles.push_back(title);
        if (choices.empty())
            return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

// Types `text` into `widget` key by key. Unlike QTest::keyClicks it also types characters beyond ASCII.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WindowTest : public ::testing::Test {
protected:
    FakePrompter prompter;
    FixedClock clock;
    TRandomGenerator generator;
    ScriptedFileChooser files;
    FormTable formKelvaron = makeFormKelvaron();
    FormTable formLang = makeFormLang();
    QTemporaryDir folder;
    std::unique_ptr<gui::TFormKelvaron> window;

    void SetUp() override { open(); }

    // Builds and shows the window from the current form tables.
    void open() {
        window = std::make_unique<gui::TFormKelvaron>(formKelvaron, formLang,
                                                      gui::WindowServices{prompter, clock, generator, files});
        window->show();
    }

    template <typename Widget = QWidget> Widget& get(const char* name) const {
        auto* widget = window->findChild<Widget*>(QLatin1String(name));
        if (!widget)
            throw std::logic_error(std::string("no widget ") + name);
        return *widget;
    }

    // Replaces the field's text by typing, as the user selects all and types over it.
    void type(const char* field, const QString& text) {
        auto& edit = get<QLineEdit>(field);
        edit.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Backspace);
        else
            typeKeys(&edit, text);
    }
    [[nodiscard]] QString text(const char* field) const { return get<QLineEdit>(field).text(); }

    // A click on the left part of a button, where a check box or radio button has its box and caption.
    void click(const char* button) {
        auto& widget = get<QAbstractButton>(button);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(8, widget.height() / 2));
    }
    void clickRow(const char* grid, int row) {
        auto& table = get<QTableWidget>(grid);
        const QRect cell = table.visualRect(table.model()->index(row, 1));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    }
    void clickTab(Page page) {
        auto& bar = *get<QTabWidget>("PageControl1").findChild<QTabBar*>();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(static_cast<int>(page)).center());
    }
    [[nodiscard]] bool tabVisible(Page page) const {
        return get<QTabWidget>("PageControl1").isTabVisible(static_cast<int>(page));
    }
    // The page the window shows; it must always be the model's active page.
    [[nodiscard]] Page shownPage() const {
        const int index = get<QTabWidget>("PageControl1").currentIndex();
        EXPECT_EQ(index, static_cast<int>(window->model().activePage()));
        return kPages[static_cast<std::size_t>(index)];
    }

    [[nodiscard]] QString listView() const { return get<QPlainTextEdit>("RichEditList").toPlainText(); }
    [[nodiscard]] std::filesystem::path file(const char* name) const {
        return std::filesystem::path(folder.filePath(QLatin1String(name)).toStdString());
    }
};

} // namespace kelvaron::test
