#include "core/audit/AuditFiles.h"

#include "AuditRecords.h"
#include "core/audit/ListCsv.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace kelvaron {
namespace {

class AuditFiles : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("kelvaron-audit-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    [[nodiscard]] std::string read(const std::filesystem::path& path) const {
        return readWholeFile(path, 1 << 20).bytes;
    }
    std::filesystem::path folder;
};

TEST_F(AuditFiles, WritesTheCsvAndTheRedcapTable) {
    const auto record = test::perCenterRecord();
    EXPECT_EQ(writeListCsv(folder / "list.csv", record), WriteFileStatus::Written);
    EXPECT_EQ(read(folder / "list.csv"), listCsv(record));
    const auto redcap = writeRedcapTable(folder / "redcap.csv", record);
    EXPECT_EQ(std::get<WriteFileStatus>(redcap), WriteFileStatus::Written);
    EXPECT_EQ(read(folder / "redcap.csv"), std::get<std::string>(redcapTable(record)));
}

TEST_F(AuditFiles, LeavesAnExistingFileAloneWhenTheRedcapTableIsRefused) {
    auto record = test::perCenterRecord();
    record.lists[0].centerNumber = "Nord";
    ASSERT_EQ(writeFileAtomically(folder / "redcap.csv", "earlier table"), WriteFileStatus::Written);
    const auto refused = writeRedcapTable(folder / "redcap.csv", record);
    EXPECT_EQ(std::get<CatalogueMessage>(refused).key, "MessageRedcapCenterNumber");
    EXPECT_EQ(read(folder / "redcap.csv"), "earlier table");
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST_F(AuditFiles, ReportsAFolderThatCannotTakeTheFile) {
    EXPECT_EQ(writeListCsv(folder / "missing" / "list.csv", test::singleRecord()),
              WriteFileStatus::CannotCreate);
}

} // namespace
} // namespace kelvaron
