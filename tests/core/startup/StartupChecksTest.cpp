#include "core/startup/StartupChecks.h"

#include "core/i18n/FormLang.h"
#include "support/FakePrompter.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

using test::ansi;

class FakeVersionQuery : public VersionQuery {
public:
    explicit FakeVersionQuery(std::optional<WindowsVersion> version) : version_(version) {}
    std::optional<WindowsVersion> query() override { return version_; }

private:
    std::optional<WindowsVersion> version_;
};

class FakeIntegrityCheck : public IntegrityCheck {
public:
    explicit FakeIntegrityCheck(bool intact) : intact_(intact) {}
    bool programFileIntact() override {
        ++calls;
        return intact_;
    }
    int calls = 0;

private:
    bool intact_;
};

struct StartupCase {
    const char* what;
    std::optional<WindowsVersion> version;
    bool intact;
    ModalResult selftest;
    bool mustClose;
    std::vector<std::string> messages; // UTF-8
    int integrityChecks;
    int selftestsShown;
};

TEST(StartupChecks, TheFirstFailingCheckShowsTheOnlyMessageAndClosesTheWindow) {
    const StartupCase cases[] = {
        {"all pass", WindowsVersion{10, 0}, true, ModalResult::OK, false, {}, 1, 1},
        {"Vista",
         WindowsVersion{6, 0},
         false,
         ModalResult::Cancel,
         true,
         {"Diese Windows-Version wird nicht unterstützt."},
         0,
         0},
        {"failed version query",
         std::nullopt,
         true,
         ModalResult::OK,
         true,
         {"Diese Windows-Version wird nicht unterstützt."},
         0,
         0},
        {"program file altered",
         WindowsVersion{6, 1},
         false,
         ModalResult::Cancel,
         true,
         {"Programm ist nicht signiert oder die Signatur ist defekt."},
         1,
         0},
        {"self-test cancelled or failed",
         WindowsVersion{6, 3},
         true,
         ModalResult::Cancel,
         true,
         {"Selbsttest fehlgeschlagen. Kelvaron wird beendet."},
         1,
         1},
    };
    for (const auto& c : cases) {
        const FormTable formLang = makeFormLang();
        test::FakePrompter prompter;
        FakeVersionQuery version(c.version);
        FakeIntegrityCheck integrity(c.intact);
        int selftestsShown = 0;
        const StartupChecks checks(version, integrity, [&] {
            ++selftestsShown;
            return c.selftest;
        });

        EXPECT_EQ(checks.run(Messages(formLang, prompter)), c.mustClose) << c.what;

        std::vector<test::ShownMessage> expected;
        for (const auto& text : c.messages)
            expected.push_back({test::ShownMessage::Kind::Note, ansi(text)});
        EXPECT_EQ(prompter.shown, expected) << c.what;
        EXPECT_EQ(integrity.calls, c.integrityChecks) << c.what;
        EXPECT_EQ(selftestsShown, c.selftestsShown) << c.what;
    }
}

TEST(StartupChecks, ShowsTheTranslatedCatalogueText) {
    FormTable formLang = makeFormLang();
    formLang.find("MessageSelftest")->caption = "Self-test failed.";
    test::FakePrompter prompter;
    FakeVersionQuery version(WindowsVersion{10, 0});
    FakeIntegrityCheck integrity(true);
    const StartupChecks checks(version, integrity, [] { return ModalResult::Cancel; });
    EXPECT_TRUE(checks.run(Messages(formLang, prompter)));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Self-test failed."});
}

} // namespace
} // namespace kelvaron
