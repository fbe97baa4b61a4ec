#include "core/i18n/LanguageFolder.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

struct ConfigCase {
    const char* what;
    const char* xdgConfigHome;
    const char* home;
    std::filesystem::path expected;
};

TEST(UserConfigFolder, FollowsXdgConfigHomeThenHome) {
    const ConfigCase cases[] = {
        {"XDG_CONFIG_HOME set", "/srv/conf", "/home/anna", "/srv/conf/kelvaron"},
        {"XDG_CONFIG_HOME unset", nullptr, "/home/anna", "/home/anna/.config/kelvaron"},
        {"XDG_CONFIG_HOME empty", "", "/home/anna", "/home/anna/.config/kelvaron"},
        {"XDG_CONFIG_HOME relative", "conf", "/home/anna", "/home/anna/.config/kelvaron"},
        {"only XDG_CONFIG_HOME", "/srv/conf", nullptr, "/srv/conf/kelvaron"},
        {"neither", nullptr, nullptr, ""},
        {"HOME empty", nullptr, "", ""},
        {"HOME relative", "", "anna", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(userConfigFolder(c.xdgConfigHome, c.home), c.expected) << c.what;
}

class LanguageFolderTest : public ::testing::Test {
protected:
    test::ScratchFolder programDir;
    test::ScratchFolder userDir;
};

TEST_F(LanguageFolderTest, TheUsersFileComesBeforeTheOneBesideTheProgram) {
    programDir.write("KelvaronLang.ini", "[FormLang]\n");
    userDir.write("KelvaronLang.ini", "[FormLang]\n");
    EXPECT_EQ(languageFolder(programDir.path(), userDir.path()), userDir.path());
}

TEST_F(LanguageFolderTest, WithoutAFileOfTheUserTheProgramsFolderApplies) {
    programDir.write("KelvaronLang.ini", "[FormLang]\n");
    EXPECT_EQ(languageFolder(programDir.path(), userDir.path()), programDir.path());
    EXPECT_EQ(languageFolder(programDir.path(), userDir / "no-such-folder"), programDir.path());
    EXPECT_EQ(languageFolder(programDir.path(), {}), programDir.path());
}

TEST_F(LanguageFolderTest, AnUnreadableFileOfTheUserIsStillChosenSoThatItIsReported) {
    std::filesystem::create_directory(userDir / "KelvaronLang.ini");
    EXPECT_EQ(languageFolder(programDir.path(), userDir.path()), userDir.path());
    std::filesystem::remove(userDir / "KelvaronLang.ini");
    std::filesystem::create_symlink(userDir / "gone.ini", userDir / "KelvaronLang.ini");
    EXPECT_EQ(languageFolder(programDir.path(), userDir.path()), userDir.path());
}

} // namespace
} // namespace kelvaron
