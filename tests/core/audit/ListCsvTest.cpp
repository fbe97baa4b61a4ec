#include "core/audit/ListCsv.h"

#include "AuditRecords.h"
#include "core/audit/CsvField.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

TEST(ListCsv, WritesTheSingleListWithEmptyCenterColumns) {
    EXPECT_EQ(
        listCsv(test::singleRecord()),
        "center_number,center_description,patient,arm,arm_description,block,block_size,position_in_block\r\n"
        ",,1,2,\"Verum, 10 mg\",1,3,1\r\n"
        ",,2,1,Placebo,1,3,2\r\n"
        ",,3,2,\"Verum, 10 mg\",1,3,3\r\n"
        ",,4,2,\"Verum, 10 mg\",2,3,1\r\n"
        ",,5,2,\"Verum, 10 mg\",2,3,2\r\n"
        ",,6,1,Placebo,2,3,3\r\n");
}

TEST(ListCsv, WritesEveryCenterInUtf8WithItsTextsQuoted) {
    EXPECT_EQ(
        listCsv(test::perCenterRecord()),
        "center_number,center_description,patient,arm,arm_description,block,block_size,position_in_block\r\n"
        "01,\"Klinik \"\"Nord\"\"\",1,1,A,1,2,1\r\n"
        "01,\"Klinik \"\"Nord\"\"\",2,2,B,1,2,2\r\n"
        "01,\"Klinik \"\"Nord\"\"\",3,2,B,2,2,1\r\n"
        "01,\"Klinik \"\"Nord\"\"\",4,1,A,2,2,2\r\n"
        "2,\"S\xC3\xBC"
        "d\nAu\xC3\x9F"
        "enstelle\",1,2,B,1,4,1\r\n"
        "2,\"S\xC3\xBC"
        "d\nAu\xC3\x9F"
        "enstelle\",2,1,A,1,4,2\r\n"
        "2,\"S\xC3\xBC"
        "d\nAu\xC3\x9F"
        "enstelle\",3,1,A,1,4,3\r\n"
        "2,\"S\xC3\xBC"
        "d\nAu\xC3\x9F"
        "enstelle\",4,2,B,1,4,4\r\n");
}

TEST(ListCsv, GivesAnUnassignedPositionArmZeroWithoutDescriptionAndAPositionPastThePlanNoBlock) {
    auto record = test::singleRecord();
    record.lists[0] = {false, "", "", 17, {2}, {1, 0, 2}};
    EXPECT_EQ(listCsv(record), std::string(kListCsvHeader) + "\r\n,,1,1,Placebo,1,2,1\r\n"
                                                             ",,2,0,,1,2,2\r\n"
                                                             ",,3,2,\"Verum, 10 mg\",,,\r\n");
}

struct Quoting {
    const char* field;
    const char* written;
};

TEST(CsvField, QuotesFieldsWithCommasQuotesAndLineBreaks) {
    const Quoting cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"line\rbreak", "\"line\rbreak\""},
        {"line\nbreak", "\"line\nbreak\""},
        {"both\r\nends", "\"both\r\nends\""},
        {"tab\tand;semicolon", "tab\tand;semicolon"},
    };
    for (const auto& c : cases) {
        std::string row;
        appendCsvField(row, c.field);
        EXPECT_EQ(row, c.written) << c.field;
    }
}

} // namespace
} // namespace kelvaron
