// Saving a design and exporting a list when the file system fails: a folder that cannot be written, a
// full disk, a target or folder that changes between two saves. Every failure shows its message and
// leaves the previous file byte for byte; no temporary file stays behind.
#include "core/design/file/DesignFile.h"
#include "core/text/PathText.h"
#include "core/window/ListExport.h"
#include "support/ModelFixture.h"
#include "support/OrdinaryUser.h"
#include "support/ScratchFolder.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kelvaron {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;
using Names = std::vector<std::string>;

// A design whose file is some 100 KB: larger than the limits the faults below set.
TStudyDesign largeDesign() {
    TStudyDesign design;
    design.studyName = "Neue Fassung";
    design.arms.setLength(400);
    for (std::int32_t arm = 1; arm <= 400; ++arm)
        design.arms.at(arm) = {"Arm " + std::to_string(arm), std::string(200, 'b'), "1"};
    return design;
}

// The list view's text of a long list.
std::string largeList() {
    std::string text = "Studie\nSeed: (1)\n";
    for (int patient = 1; patient <= 10000; ++patient)
        text += std::to_string(patient) + "\t1\tVerum\n";
    return text;
}

// The previous design file in `folder`, as an earlier save left it.
std::string savePreviousDesign(const fs::path& path) {
    TStudyDesign previous;
    previous.studyName = "Alte Fassung";
    EXPECT_EQ(writeDesignFile(path, previous), DesignWriteStatus::Written);
    return readBytes(path);
}

// What one save or export did: the messages it showed, whether the previous file is byte-identical and
// whether the folder holds nothing but that file.
struct FaultOutcome {
    std::vector<std::string> messages;
    bool previousKept = false;
    bool folderClean = false;
    bool operator==(const FaultOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FaultOutcome& outcome) {
    out << "kept " << outcome.previousKept << ", clean " << outcome.folderClean << ", messages:";
    for (const auto& message : outcome.messages)
        out << " [" << message << "]";
    return out;
}

// The content of the regular file at `path`; nullopt for anything else.
std::optional<std::string> fileContent(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    return readBytes(path);
}

// True when the folder of `path` holds the target and nothing else.
bool folderHoldsOnlyTheTarget(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return false;
    return std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()) == 1;
}

// Saves the large design over `path` through the main window's command.
FaultOutcome saveOver(const fs::path& path, const std::string& previous) {
    test::ModelFixture session;
    session.model.design = largeDesign();
    session.model.saveDesign(path);
    return {session.prompter.texts(), fileContent(path) == previous, folderHoldsOnlyTheTarget(path)};
}

// Exports the large list over `path` through the export command.
FaultOutcome exportOver(const fs::path& path, const std::string& previous) {
    test::FakePrompter prompter;
    static_cast<void>(exportList(path, largeList(), prompter));
    return {prompter.texts(), fileContent(path) == previous, folderHoldsOnlyTheTarget(path)};
}

FaultOutcome failedWithTheMessage(const fs::path& path) {
    return {{cannotWriteMessage(path)}, true, true};
}

// Runs `scenario` in a child process, so that its resource limits and mounts end with it, and gives its
// outcome; nullopt when the child could not set up the fault (no mount rights) or did not end normally.
std::optional<FaultOutcome> inChild(const std::function<std::optional<FaultOutcome>()>& scenario) {
    const auto report = test::inChildProcess([&scenario] {
        const std::optional<FaultOutcome> outcome = scenario();
        if (!outcome)
            return std::string();
        std::string text =
            std::string(outcome->previousKept ? "1" : "0") + (outcome->folderClean ? "1" : "0");
        for (const auto& message : outcome->messages)
            text += message + '\n';
        return text;
    });
    if (!report || report->size() < 2)
        return std::nullopt;
    FaultOutcome outcome{{}, (*report)[0] == '1', (*report)[1] == '1'};
    for (std::size_t begin = 2; begin < report->size();) {
        const std::size_t end = report->find('\n', begin);
        outcome.messages.push_back(report->substr(begin, end - begin));
        begin = end + 1;
    }
    return outcome;
}

// In a child process: a mount namespace of its own with a tmpfs of `size` at `folder`. False when the
// process may not mount (no root rights in the sandbox).
bool mountTmpfs(const fs::path& folder, const char* size) {
    return ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size) == 0;
}

using Action = FaultOutcome (*)(const fs::path&, const std::string&);
struct Command {
    const char* name;
    Action action;
};
const Command kCommands[] = {{"save design", saveOver}, {"export list", exportOver}};

TEST(FileFaults, AFullDiskLeavesThePreviousFile) {
    for (const Command& command : kCommands) {
        const ScratchFolder folder;
        const fs::path path = folder / "design.kvd";
        const std::string previous = savePreviousDesign(path);
        const auto outcome = inChild([&]() -> std::optional<FaultOutcome> {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{16 * 1024, 16 * 1024};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::nullopt;
            return command.action(path, previous);
        });
        ASSERT_TRUE(outcome.has_value()) << command.name;
        EXPECT_EQ(*outcome, failedWithTheMessage(path)) << command.name;
        EXPECT_EQ(readBytes(path), previous) << command.name;
        EXPECT_EQ(folder.names(), Names{"design.kvd"}) << command.name;
    }
}

TEST(FileFaults, AFullFileSystemLeavesThePreviousFile) {
    for (const Command& command : kCommands) {
        const ScratchFolder folder;
        const fs::path path = folder / "design.kvd";
        const auto outcome = inChild([&]() -> std::optional<FaultOutcome> {
            if (!mountTmpfs(folder.path(), "size=64k"))
                return FaultOutcome{{"no mount"}, false, false};
            return command.action(path, savePreviousDesign(path));
        });
        ASSERT_TRUE(outcome.has_value()) << command.name;
        if (outcome->messages == Names{"no mount"})
            GTEST_SKIP() << "this process may not mount a file system";
        EXPECT_EQ(*outcome, failedWithTheMessage(path)) << command.name;
    }
}

TEST(FileFaults, AReadOnlyFileSystemLeavesThePreviousFile) {
    for (const Command& command : kCommands) {
        const ScratchFolder folder;
        const fs::path path = folder / "design.kvd";
        const auto outcome = inChild([&]() -> std::optional<FaultOutcome> {
            if (!mountTmpfs(folder.path(), "size=1m"))
                return FaultOutcome{{"no mount"}, false, false};
            const std::string previous = savePreviousDesign(path);
            if (::mount("tmpfs", folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return std::nullopt;
            return command.action(path, previous);
        });
        ASSERT_TRUE(outcome.has_value()) << command.name;
        if (outcome->messages == Names{"no mount"})
            GTEST_SKIP() << "this process may not mount a file system";
        EXPECT_EQ(*outcome, failedWithTheMessage(path)) << command.name;
    }
}

// Permission bits do not stop root; a folder that is a regular file stops everyone.
TEST(FileFaults, AFolderThatIsARegularFileTakesNoFile) {
    for (const Command& command : kCommands) {
        const ScratchFolder folder;
        writeBytes(folder / "plain", "kept");
        const fs::path path = folder / "plain" / "design.kvd";
        const FaultOutcome outcome = command.action(path, "");
        EXPECT_EQ(outcome.messages, Names{cannotWriteMessage(path)}) << command.name;
        EXPECT_EQ(readBytes(folder / "plain"), "kept") << command.name;
        EXPECT_EQ(folder.names(), Names{"plain"}) << command.name;
    }
}

// A read-only file in a folder that the user may write: the save and the export show the write message and
// keep the file, as writing it in place would.
TEST(FileFaults, AWriteProtectedFileIsKeptForAnOrdinaryUser) {
    for (const Command& command : kCommands) {
        const ScratchFolder folder;
        fs::permissions(folder.path(), fs::perms::all);
        const fs::path path = folder / "design.kvd";
        const std::string previous = savePreviousDesign(path);
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const auto report = test::asOrdinaryUser([&] {
            const FaultOutcome outcome = command.action(path, previous);
            std::string text = outcome == failedWithTheMessage(path) ? "kept" : "replaced";
            for (const auto& message : outcome.messages)
                text += "\n" + message;
            return text;
        });
        if (!report)
            GTEST_SKIP() << "this process cannot run a child as an ordinary user";
        EXPECT_EQ(*report, "kept\n" + cannotWriteMessage(path)) << command.name;
        EXPECT_EQ(readBytes(path), previous) << command.name;
        EXPECT_EQ(folder.names(), Names{"design.kvd"}) << command.name;
    }
}

TEST(FileFaults, AFolderInPlaceOfTheTargetIsNotReplaced) {
    const ScratchFolder folder;
    const fs::path path = folder / "design.kvd";
    fs::create_directory(path);
    writeBytes(path / "inside", "kept");
    test::ModelFixture session;
    session.model.saveDesign(path);
    // The existing content cannot be read, so nothing is written at all.
    EXPECT_EQ(session.prompter.texts(),
              Names{session.message("MessageErrorFileSave") + " " + pathText(path)});
    EXPECT_EQ(exportOver(path, "").messages, Names{cannotWriteMessage(path)});
    EXPECT_EQ(readBytes(path / "inside"), "kept");
    EXPECT_EQ(folder.names(), Names{"design.kvd"});
}

TEST(FileFaults, ATargetOrFolderThatChangesBetweenTwoSaves) {
    const ScratchFolder folder;
    const fs::path study = folder / "studie";
    const fs::path path = study / "design.kvd";
    test::ModelFixture session;
    session.model.design = largeDesign();
    fs::create_directory(study);
    session.model.saveDesign(path);
    const std::string saved = readBytes(path);

    fs::remove(path); // the target vanished: the next save writes it anew
    session.model.saveDesign(path);
    EXPECT_EQ(readBytes(path), saved);

    fs::remove_all(study); // the folder vanished
    session.model.saveDesign(path);
    writeBytes(study, "kept"); // the folder was replaced by a file
    session.model.saveDesign(path);
    EXPECT_EQ(session.prompter.texts(), (Names{cannotWriteMessage(path), cannotWriteMessage(path)}));
    EXPECT_EQ(readBytes(study), "kept");
    EXPECT_EQ(folder.names(), Names{"studie"});
}

} // namespace
} // namespace kelvaron
