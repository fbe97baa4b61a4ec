// The web link on the information page hands its caption to the system only when it is a web address.
#include "ProgramFixture.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include <array>

namespace kelvaron::test {
namespace {

// Stands in for the system's browser and file handler: records every address the program asks to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<const char*, 6> kSchemes = {"http", "https",  "file",
                                                            "ftp",  "mailto", "javascript"};
    QStringList opened;

    UrlRecorder() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

struct LinkCase {
    QString caption;
    QString opened; // empty: nothing is opened
};

TEST_F(ProgramTest, TheWebLinkOpensItsCaptionOnlyWhenItIsAWebAddress) {
    writeBytes(programDir() / "KelvaronLang.ini",
               "[FormKelvaron]\nFormKelvaron.LabelWWW.Caption=https://kelvaron.example/en/\n");
    start();
    ASSERT_TRUE(window().isVisible());
    clickTab(Page::Info);
    auto& label = get<QLabel>("LabelWWW");
    ASSERT_EQ(label.text(), QStringLiteral("https://kelvaron.example/en/"));
    UrlRecorder browser;

    const LinkCase cases[] = {
        {QStringLiteral("https://kelvaron.example/en/"), QStringLiteral("https://kelvaron.example/en/")},
        {QStringLiteral("HTTP://Kelvaron.Example/Hilfe"), QStringLiteral("http://kelvaron.example/Hilfe")},
        {QStringLiteral("file:///etc/passwd"), {}},
        {QStringLiteral("/usr/bin/xterm"), {}},
        {QStringLiteral("ftp://kelvaron.example/"), {}},
        {QStringLiteral("mailto:info@kelvaron.example"), {}},
        {QStringLiteral("javascript:alert(1)"), {}},
        {QStringLiteral("https://"), {}},
        {QStringLiteral("Morvex Software"), {}},
    };
    for (const auto& c : cases) {
        browser.opened.clear();
        label.setText(c.caption);
        QTest::mouseClick(&label, Qt::LeftButton);
        EXPECT_EQ(browser.opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened})
            << c.caption.toStdString();
    }
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
} // namespace kelvaron::test

#include "WebAddressTest.moc"
