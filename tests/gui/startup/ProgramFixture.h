// The whole program started as main() starts it, with fakes for the system around it: a program folder of
// its own (a program file, its digest and, when a test puts one there, the language file), no user
// configuration folder and no design file named unless a test sets them, scripted messages, no file
// dialogs, and self-test waits that do not sleep.
#pragma once

#include "core/platform/FileChooser.h"
#include "core/startup/ProgramDigestCheck.h"
#include "core/startup/WindowsVersion.h"
#include "core/text/Sha256.h"
#include "gui/KelvaronProgram.h"
#include "gui/QtText.h"
#include "support/FakePrompter.h"
#include "support/ModelFixture.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron::test {

class FakeVersionQuery : public VersionQuery {
public:
    std::optional<WindowsVersion> version = WindowsVersion{10, 0};
    std::function<void()> onQuery; // called when the start-up asks

    std::optional<WindowsVersion> query() override {
        if (onQuery)
            onQuery();
        return version;
    }
};

// Cancels every file dialog and remembers its title.
class NoFiles : public FileChooser {
public:
    std::vector<QString> titles;

    std::optional<std::filesystem::path> openDesign(std::string_view title) override {
        return none(gui::qtText(title));
    }
    std::optional<std::filesystem::path> saveDesign(std::string_view title) override {
        return none(gui::qtText(title));
    }
    std::optional<ExportChoice> exportList() override {
        titles.push_back(QStringLiteral("export"));
        return std::nullopt;
    }
    std::optional<std::filesystem::path> saveReport(std::string_view title) override {
        return none(gui::qtText(title));
    }

private:
    std::optional<std::filesystem::path> none(const QString& title) {
        titles.push_back(title);
        return std::nullopt;
    }
};

// A prompter that also calls `onNote` whenever a plain message is shown.
class ObservedPrompter : public FakePrompter {
public:
    std::function<void()> onNote;

    void note(std::string_view text) override {
        if (onNote)
            onNote();
        FakePrompter::note(text);
    }
};

// Counts the showings of a widget.
class ShowCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            ++shows;
        return QObject::eventFilter(watched, event);
    }
};

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string digestLine(std::string_view content) {
    Sha256 sha;
    sha.update(content);
    return Sha256::toHex(sha.finish()) + "  kelvaron\n";
}

class ProgramTest : public ::testing::Test {
protected:
    static constexpr std::string_view kProgramBytes = "the program file";

    QTemporaryDir folder;
    ObservedPrompter prompter;
    FixedClock clock;
    NoFiles files;
    FakeVersionQuery versionQuery;
    ProgramDigestCheck digestCheck{programDir() / "kelvaron"};
    std::span<const SelftestVector> selftestVectors = kSelftestVectors;
    std::filesystem::path userConfigDir;
    std::optional<std::filesystem::path> designFile;
    ShowCounter selftestShows;
    std::unique_ptr<gui::KelvaronProgram> program;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        writeBytes(programDir() / "kelvaron", kProgramBytes);
        writeBytes(programDir() / "kelvaron.sha256", digestLine(kProgramBytes));
    }

    [[nodiscard]] std::filesystem::path programDir() const {
        return std::filesystem::path(folder.path().toStdString());
    }
    // Puts lang/<language>/KelvaronLang.ini of the sources into the program folder.
    void installLanguage(const char* language) const {
        std::filesystem::copy_file(std::filesystem::path(KELVARON_LANG_DIR) / language / "KelvaronLang.ini",
                                   programDir() / "KelvaronLang.ini");
    }

    // Creates the program and shows its main window, then waits until the start-up has ended: the
    // self-test dialog has been shown and closed again, or the main window has closed.
    void start() {
        program = std::make_unique<gui::KelvaronProgram>(gui::ProgramEnvironment{
            .programDir = programDir(),
            .prompter = prompter,
            .clock = clock,
            .files = files,
            .versionQuery = versionQuery,
            .integrityCheck = digestCheck,
            .selftestVectors = selftestVectors,
            .userConfigDir = userConfigDir,
            .designFile = designFile,
        });
        gui::TFormSelftest& dialog = program->selftestDialog();
        dialog.setWait([](int) {});
        dialog.installEventFilter(&selftestShows);
        program->show();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !window().isVisible() || (selftestShows.shows > 0 && !dialog.isVisible()); }));
    }

    [[nodiscard]] gui::TFormKelvaron& window() const { return program->mainWindow(); }

    template <typename Widget = QWidget> Widget& get(const char* name) const {
        return find<Widget>(window(), name);
    }
    template <typename Widget = QWidget> Widget& inDialog(const char* name) const {
        return find<Widget>(program->selftestDialog(), name);
    }

    void click(const char* button) const {
        auto& widget = get<QAbstractButton>(button);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(8, widget.height() / 2));
    }
    void clickTab(Page page) const {
        auto& bar = *get<QTabWidget>("PageControl1").findChild<QTabBar*>();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(static_cast<int>(page)).center());
    }
    [[nodiscard]] QString tabText(Page page) const {
        return get<QTabWidget>("PageControl1").tabText(static_cast<int>(page));
    }

    // Leaves the design page with its defaults (120 patients, 3 arms, blocks of 12), walks to the list page
    // and generates; returns the list view's lines.
    [[nodiscard]] QStringList generateDefaultList() const {
        for (int page = 0; page < 4; ++page)
            click("BitBtnNext");
        EXPECT_EQ(get<QTabWidget>("PageControl1").currentIndex(), static_cast<int>(Page::Liste));
        click("BitBtnStart");
        return QString::fromStdString(utf8FromCp1252(window().listViewText())).split(QLatin1Char('\n'));
    }

private:
    template <typename Widget> static Widget& find(const QWidget& form, const char* name) {
        auto* widget = form.findChild<Widget*>(QLatin1String(name));
        if (!widget)
            throw std::logic_error(std::string("no widget ") + name);
        return *widget;
    }
};

} // namespace kelvaron::test
