// Writes a picture of each of the seven pages of the main window, filled with an example design, into
// the folder given as the only argument: 01-design.png ... 07-info.png. Run it under xvfb-run or with
// QT_QPA_PLATFORM=offscreen.
#include "core/i18n/FormLang.h"
#include "core/i18n/Forms.h"
#include "core/platform/FileChooser.h"
#include "gui/QtText.h"
#include "gui/TFormKelvaron.h"
#include "support/ModelFixture.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

using namespace kelvaron;

class NoFiles : public FileChooser {
public:
    std::optional<std::filesystem::path> openDesign(std::string_view) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveDesign(std::string_view) override { return std::nullopt; }
    std::optional<ExportChoice> exportList() override { return std::nullopt; }
    std::optional<std::filesystem::path> saveReport(std::string_view) override { return std::nullopt; }
};

class Walk {
public:
    explicit Walk(gui::TFormKelvaron& window) : window_(window) {}

    void type(const char* field, const QString& text) {
        auto* edit = window_.findChild<QLineEdit*>(QLatin1String(field));
        edit->selectAll();
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
    void click(const char* button) {
        auto* widget = window_.findChild<QAbstractButton*>(QLatin1String(button));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    void clickRow(const char* grid, int row) {
        auto* table = window_.findChild<QTableWidget*>(QLatin1String(grid));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, 1)).center());
    }

private:
    gui::TFormKelvaron& window_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: gui_screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::FakePrompter prompter;
    test::FixedClock clock;
    TRandomGenerator generator;
    NoFiles files;
    const FormTable formKelvaron = makeFormKelvaron();
    const FormTable formLang = makeFormLang();
    gui::TFormKelvaron window(formKelvaron, formLang, {prompter, clock, generator, files});
    window.show();
    Walk walk(window);

    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        return window.grab().save(folder.filePath(QLatin1String(name)));
    };
    walk.type("EditStudName", QStringLiteral("Beispielstudie ABC-01"));
    walk.click("CheckBoxZentren");
    walk.type("EditZentren", QStringLiteral("3"));
    bool saved = shoot("01-design.png");

    walk.click("BitBtnNext");
    const std::array armDescriptions{QStringLiteral("Verum 10 mg"), QStringLiteral("Verum 20 mg"),
                                     QStringLiteral("Placebo")};
    for (int row = 0; row < 3; ++row) {
        walk.clickRow("StringGridArme", row);
        walk.type("EditCBeschr", armDescriptions[static_cast<std::size_t>(row)]);
    }
    saved = shoot("02-arms.png") && saved;

    walk.click("BitBtnNext");
    const std::array centers{std::pair{QStringLiteral("Universitätsklinikum Nord"), QStringLiteral("36")},
                             std::pair{QStringLiteral("Kreiskrankenhaus Süd"), QStringLiteral("36")},
                             std::pair{QStringLiteral("Praxis am Markt"), QStringLiteral("48")}};
    for (int row = 0; row < 3; ++row) {
        walk.clickRow("StringGridZentren", row);
        walk.type("EditABeschr", centers[static_cast<std::size_t>(row)].first);
        walk.type("EditAFallzahl", centers[static_cast<std::size_t>(row)].second);
    }
    saved = shoot("03-centers.png") && saved;

    for (const char* page : {"04-blocks.png", "05-random.png"}) {
        walk.click("BitBtnNext");
        saved = shoot(page) && saved;
    }
    walk.click("BitBtnNext");
    walk.click("BitBtnStart");
    saved = shoot("06-list.png") && saved;
    walk.click("BitBtnNext");
    saved = shoot("07-info.png") && saved;

    for (const auto& message : prompter.texts())
        std::fprintf(stderr, "message: %s\n", message.c_str());
    return saved ? 0 : 1;
}
