#include "core/file/AtomicFile.h"

#include "support/OrdinaryUser.h"
#include "support/ScratchFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace kelvaron {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

using Names = std::vector<std::string>;

TEST(WriteFileAtomically, CreatesTheFileWithExactlyTheBytes) {
    const ScratchFolder folder;
    const std::string bytes("a\r\nb\x00\xFF", 6);
    EXPECT_EQ(writeFileAtomically(folder / "new.kvd", bytes), WriteFileStatus::Written);
    EXPECT_EQ(readBytes(folder / "new.kvd"), bytes);
    EXPECT_EQ(folder.names(), Names{"new.kvd"});
}

TEST(WriteFileAtomically, ReplacesAnExistingFileAndKeepsItsPermissions) {
    const ScratchFolder folder;
    writeBytes(folder / "design.kvd", "old content that is longer");
    fs::permissions(folder / "design.kvd",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeFileAtomically(folder / "design.kvd", "new"), WriteFileStatus::Written);
    EXPECT_EQ(readBytes(folder / "design.kvd"), "new");
    EXPECT_EQ(fs::status(folder / "design.kvd").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folder.names(), Names{"design.kvd"});
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
    const ScratchFolder folder;
    writeBytes(folder / "real.kvd", "old");
    fs::create_symlink("real.kvd", folder / "link.kvd");
    EXPECT_EQ(writeFileAtomically(folder / "link.kvd", "new"), WriteFileStatus::Written);
    EXPECT_TRUE(fs::is_symlink(folder / "link.kvd"));
    EXPECT_EQ(readBytes(folder / "real.kvd"), "new");
    EXPECT_EQ(folder.names(), (Names{"link.kvd", "real.kvd"}));
}

TEST(WriteFileAtomically, MissingFolderCreatesNothing) {
    const ScratchFolder folder;
    EXPECT_EQ(writeFileAtomically(folder / "absent" / "design.kvd", "x"), WriteFileStatus::CannotCreate);
    EXPECT_TRUE(folder.names().empty());
}

TEST(WriteFileAtomically, FileInPlaceOfTheFolderStaysUnchanged) {
    const ScratchFolder folder;
    writeBytes(folder / "plain", "content");
    EXPECT_EQ(writeFileAtomically(folder / "plain" / "design.kvd", "x"), WriteFileStatus::CannotCreate);
    EXPECT_EQ(readBytes(folder / "plain"), "content");
    EXPECT_EQ(folder.names(), Names{"plain"});
}

TEST(WriteFileAtomically, FolderInPlaceOfTheTargetIsNotReplaced) {
    const ScratchFolder folder;
    fs::create_directory(folder / "design.kvd");
    writeBytes(folder / "design.kvd" / "inside", "kept");
    EXPECT_EQ(writeFileAtomically(folder / "design.kvd", "x"), WriteFileStatus::CannotReplace);
    EXPECT_EQ(readBytes(folder / "design.kvd" / "inside"), "kept");
    EXPECT_EQ(folder.names(), Names{"design.kvd"});
}

// The rename into the folder would go around the file's own protection; an ordinary user gets the file kept.
// A writable file beside it shows that the folder itself lets the user replace files.
TEST(WriteFileAtomically, AWriteProtectedFileIsKeptForAnOrdinaryUser) {
    const ScratchFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    writeBytes(folder / "protected.txt", "old");
    fs::permissions(folder / "protected.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    writeBytes(folder / "open.txt", "old");
    fs::permissions(folder / "open.txt", fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                            fs::perms::others_exec));

    const auto statuses = test::asOrdinaryUser([&] {
        const auto status = [](WriteFileStatus s) { return std::to_string(static_cast<int>(s)); };
        return status(writeFileAtomically(folder / "protected.txt", "new")) + " " +
               status(writeFileAtomically(folder / "open.txt", "new"));
    });
    if (!statuses)
        GTEST_SKIP() << "this process cannot run a child as an ordinary user";
    EXPECT_EQ(*statuses, std::to_string(static_cast<int>(WriteFileStatus::Protected)) + " " +
                             std::to_string(static_cast<int>(WriteFileStatus::Written)));
    EXPECT_EQ(readBytes(folder / "protected.txt"), "old");
    EXPECT_EQ(readBytes(folder / "open.txt"), "new");
    EXPECT_EQ(folder.names(), (Names{"open.txt", "protected.txt"}));
}

// Lowers the largest file this process may write, so that a write fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(WriteFileAtomically, FailedWriteLeavesTheTargetByteIdentical) {
    const ScratchFolder folder;
    const std::string old = "[Design]\r\nName=old\r\n";
    writeBytes(folder / "design.kvd", old);
    WriteFileStatus status = WriteFileStatus::Written;
    {
        const FileSizeLimit limit(1024);
        status = writeFileAtomically(folder / "design.kvd", std::string(4096, 'x'));
    }
    EXPECT_EQ(status, WriteFileStatus::CannotWrite);
    EXPECT_EQ(readBytes(folder / "design.kvd"), old);
    EXPECT_EQ(folder.names(), Names{"design.kvd"});
}

TEST(ReadWholeFile, ReadsTheWholeContent) {
    const ScratchFolder folder;
    const std::string bytes = std::string(200000, 'a') + std::string("\x00\r\n", 3);
    writeBytes(folder / "f", bytes);
    const ReadFileResult read = readWholeFile(folder / "f", bytes.size());
    EXPECT_EQ(read.status, ReadFileStatus::Read);
    EXPECT_EQ(read.bytes, bytes);
}

TEST(ReadWholeFile, ReportsWhyNothingWasRead) {
    const ScratchFolder folder;
    writeBytes(folder / "f", "12345");
    fs::create_directory(folder / "d");
    EXPECT_EQ(readWholeFile(folder / "absent", 10).status, ReadFileStatus::Missing);
    EXPECT_EQ(readWholeFile(folder / "f", 4).status, ReadFileStatus::TooLarge);
    EXPECT_EQ(readWholeFile(folder / "f", 4).bytes, "");
    EXPECT_EQ(readWholeFile(folder / "d", 10).status, ReadFileStatus::Unreadable);
    EXPECT_EQ(readWholeFile(folder / "f" / "below", 10).status, ReadFileStatus::Missing);
}

} // namespace
} // namespace kelvaron
