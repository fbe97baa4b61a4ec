// The window takes every text from its form table, and its pictures from the logo file when present.
#include "WindowFixture.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace kelvaron::test {
namespace {

bool isNonVisual(const FormComponent& component) {
    return component.className == "TTimer" || component.className == "TSaveDialog" ||
           component.className == "TOpenDialog";
}

TEST_F(WindowTest, EveryControlOfTheFormTableIsAWidgetOfThatName) {
    for (const auto& component : formKelvaron.components) {
        if (isNonVisual(component))
            continue;
        EXPECT_NE(window->findChild<QWidget*>(QString::fromStdString(component.name)), nullptr)
            << component.name;
    }
}

TEST_F(WindowTest, WidgetsShowTheTextsOfATranslatedFormTable) {
    window.reset();
    formKelvaron.caption = ansi("Kelvaron – Übersetzt");
    formKelvaron.find("LabelArm")->caption = ansi("Behandlung");
    formKelvaron.find("RadioButton2")->hint = ansi("Zufällige Größe");
    formKelvaron.find("TabSheetInfo")->caption = ansi("Über");
    formKelvaron.find("Memo1")->lines = {ansi("Zeile 1 "), ansi("Zeile 2")};
    formKelvaron.find("LabelMinMaxSeed")->caption = ansi("1 bis MAXLONG");
    open();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvaron – Übersetzt"));
    EXPECT_EQ(get<QLabel>("LabelArm").text(), QStringLiteral("Behandlung"));
    EXPECT_EQ(get<QWidget>("RadioButton2").toolTip(), QStringLiteral("Zufällige Größe"));
    EXPECT_EQ(get<QTabWidget>("PageControl1").tabText(static_cast<int>(Page::Info)), QStringLiteral("Über"));
    EXPECT_EQ(get<QPlainTextEdit>("Memo1").toPlainText(), QStringLiteral("Zeile 1 \nZeile 2"));
    EXPECT_EQ(get<QLabel>("LabelMinMaxSeed").text(), QStringLiteral("1 ... 2147483647"));
    EXPECT_EQ(get<QPushButton>("BitBtnNext").text(), QStringLiteral("&weiter"));

    click("BitBtnNext");
    EXPECT_EQ(get<QTableWidget>("StringGridArme").horizontalHeaderItem(0)->text(),
              QStringLiteral("Behandlung"));
    EXPECT_EQ(text("EditCArm"), QStringLiteral("Behandlung 1"));
}

// A language file's caption may hold "<" and "&"; every label shows it as it is.
TEST_F(WindowTest, LabelsShowTranslatedCaptionsAsPlainText) {
    window.reset();
    const std::string markup = "<b>fett</b> & mehr";
    for (auto& component : formKelvaron.components) {
        if (component.className == "TLabel")
            component.caption = markup;
    }
    open();
    std::size_t labels = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        ++labels;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_GT(labels, 10U);
    EXPECT_EQ(get<QLabel>("LabelArm").text(), QString::fromStdString(markup));
}

// An "&" in a translated label caption marks its access key, which moves the focus to the label's field.
TEST_F(WindowTest, ALabelsAccessKeyMovesTheFocusToItsField) {
    window.reset();
    formKelvaron.find("LabelStudName")->caption = ansi("&Bezeichnung der Studie");
    formKelvaron.find("LabelArmCount")->caption = ansi("Anzahl der Studien&arme");
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(window->focusWidget(), &get<QLineEdit>("EditAnz"));

    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditStudName"));
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(window->focusWidget(), &get<QLineEdit>("EditArme"));
}

TEST_F(WindowTest, ALogoFileInTheWorkingDirectoryReplacesTheProgramPicturesButNotTheMakersLogo) {
    const QImage builtInMaker = get<QLabel>("ImageLogo").pixmap().toImage();
    window.reset();
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::white);
    logo.setPixelColor(20, 15, Qt::blue);
    ASSERT_TRUE(logo.save(folder.filePath(QStringLiteral("logo_med.bmp")), "BMP"));
    const QString workingDirectory = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    open();
    QDir::setCurrent(workingDirectory);

    for (const char* image : {"ImageLogo1", "ImageLogo2"}) {
        const QImage shown = get<QLabel>(image).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(shown.size(), QSize(40, 30)) << image;
        EXPECT_EQ(get<QLabel>(image).size(), QSize(40, 30)) << image;
        EXPECT_EQ(qAlpha(shown.pixel(0, 29)), 0) << image << ": the bottom-left colour is transparent";
        EXPECT_EQ(shown.pixelColor(20, 15), QColor(Qt::blue)) << image;
    }
    EXPECT_EQ(get<QLabel>("ImageLogo").pixmap().toImage(), builtInMaker);
}

} // namespace
} // namespace kelvaron::test
