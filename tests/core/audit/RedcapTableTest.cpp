#include "core/audit/RedcapTable.h"

#include "AuditRecords.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

std::string tableOf(const GenerationRecord& record) {
    auto table = redcapTable(record);
    EXPECT_TRUE(std::holds_alternative<std::string>(table));
    return std::holds_alternative<std::string>(table) ? std::get<std::string>(table) : std::string();
}

TEST(RedcapTable, WritesTheArmOfEveryPatientOfTheSingleList) {
    EXPECT_EQ(tableOf(test::singleRecord()), "redcap_randomization_number,redcap_randomization_group\r\n"
                                             ",2\r\n,1\r\n,2\r\n,2\r\n,2\r\n,1\r\n");
}

TEST(RedcapTable, GivesEveryCenterItsNumberAsDataAccessGroup) {
    EXPECT_EQ(tableOf(test::perCenterRecord()),
              "redcap_randomization_number,redcap_randomization_group,redcap_data_access_group\r\n"
              ",1,1\r\n,2,1\r\n,2,1\r\n,1,1\r\n"
              ",2,2\r\n,1,2\r\n,1,2\r\n,2,2\r\n");
}

TEST(RedcapTable, RefusesACenterNumberThatIsNotAWholeNumberFromOne) {
    const char* refused[] = {"A1", "", "0", "000", "-3", "+3", " 3", "3 ", "2147483648", "1.5"};
    for (const char* number : refused) {
        auto record = test::perCenterRecord();
        record.lists[1].centerNumber = number;
        const CatalogueMessage expected{"MessageRedcapCenterNumber", "\"" + std::string(number) +
                                                                         "\" S\xFC"
                                                                         "d\nAu\xDF"
                                                                         "enstelle"};
        EXPECT_EQ(std::get<CatalogueMessage>(redcapTable(record)), expected) << number;
    }
}

TEST(RedcapTable, AcceptsLeadingZerosAndTheLargestNumber) {
    auto record = test::perCenterRecord();
    record.lists[0].centerNumber = "007";
    record.lists[1].centerNumber = "2147483647";
    const auto table = tableOf(record);
    EXPECT_NE(table.find(",1,7\r\n"), std::string::npos);
    EXPECT_NE(table.find(",2,2147483647\r\n"), std::string::npos);
}

TEST(RedcapTable, RefusesTwoCentersWithTheSameNumber) {
    auto record = test::perCenterRecord();
    record.lists[1].centerNumber = "1";
    record.lists[1].centerDescription = "Zweite";
    EXPECT_EQ(std::get<CatalogueMessage>(redcapTable(record)),
              (CatalogueMessage{"MessageRedcapCenterTwice", "\"1\" Zweite"}));
}

TEST(RedcapTable, RefusesAListWithAnUnassignedPosition) {
    auto record = test::singleRecord();
    record.lists[0].patientArms[4] = 0;
    EXPECT_EQ(std::get<CatalogueMessage>(redcapTable(record)),
              (CatalogueMessage{"MessageRedcapUnassigned", ""}));
}

} // namespace
} // namespace kelvaron
