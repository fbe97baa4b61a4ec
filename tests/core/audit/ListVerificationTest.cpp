#include "core/audit/ListVerification.h"

#include "AuditRecords.h"
#include "core/audit/ListCsv.h"
#include "core/text/CodePage.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

std::string crLf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

ListVerification verify(std::string_view file) {
    return verifyListFile(test::kSingleListText, test::singleRecord(), file);
}

ListVerification identical(ListFileForm form) {
    return {VerifyOutcome::Identical, form, std::nullopt};
}

ListVerification differs(ListFileForm form, std::int64_t line, std::optional<std::string> expected,
                         std::optional<std::string> found) {
    return {VerifyOutcome::Different, form, LineDifference{line, std::move(expected), std::move(found)}};
}

const std::string kExport = crLf(test::kSingleListText);
const std::string kOutput = utf8FromCp1252(test::kSingleListText);
const std::string kCsv = listCsv(test::singleRecord());

TEST(ListVerification, ConfirmsTheListInEachOfItsThreeForms) {
    EXPECT_EQ(verify(kExport), identical(ListFileForm::Export));
    EXPECT_EQ(verify(kOutput), identical(ListFileForm::StandardOutput));
    EXPECT_EQ(verify(kCsv), identical(ListFileForm::Csv));
}

TEST(ListVerification, ConfirmsAFileWithoutTheLastLineBreak) {
    EXPECT_EQ(verify(kExport.substr(0, kExport.size() - 2)), identical(ListFileForm::Export));
    EXPECT_EQ(verify(kOutput.substr(0, kOutput.size() - 1)), identical(ListFileForm::StandardOutput));
    EXPECT_EQ(verify(kCsv.substr(0, kCsv.size() - 2)), identical(ListFileForm::Csv));
}

TEST(ListVerification, NamesTheLineWithTheChangedArm) {
    std::string file = kExport;
    file.replace(file.find("5\t2\tVerum, 10 mg"), 16, "5\t1\tPlacebo");
    EXPECT_EQ(verify(file), differs(ListFileForm::Export, 8, "5\t2\tVerum, 10 mg", "5\t1\tPlacebo"));

    std::string output = kOutput;
    output.replace(output.find("2\t1\tPlacebo"), 11, "2\t2\tVerum, 10 mg");
    EXPECT_EQ(verify(output),
              differs(ListFileForm::StandardOutput, 4, "2\t1\tPlacebo", "2\t2\tVerum, 10 mg"));

    std::string csv = kCsv;
    csv.replace(csv.find(",,6,1,Placebo"), 13, ",,6,2,Placebo");
    EXPECT_EQ(verify(csv), differs(ListFileForm::Csv, 7, ",,6,1,Placebo,2,3,3", ",,6,2,Placebo,2,3,3"));
}

TEST(ListVerification, ShowsTheTitleInTheCodePageOfTheCore) {
    std::string output = kOutput;
    output.replace(0, 9, "Studie \xC3\x96"); // "Studie Ö" for "Studie Ä"
    EXPECT_EQ(verify(output), differs(ListFileForm::StandardOutput, 1, "Studie \xC4", "Studie \xD6"));
}

TEST(ListVerification, NamesAMissingLine) {
    std::string file = kExport;
    file.erase(file.find("3\t2\t"), std::string_view("3\t2\tVerum, 10 mg\r\n").size());
    EXPECT_EQ(verify(file), differs(ListFileForm::Export, 5, "3\t2\tVerum, 10 mg", "------- Block ------"));

    const std::string cut =
        kExport.substr(0, kExport.size() - std::string_view("------- Block ------\r\n").size());
    EXPECT_EQ(verify(cut), differs(ListFileForm::Export, 10, "------- Block ------", std::nullopt));
}

TEST(ListVerification, NamesAnExtraLine) {
    EXPECT_EQ(verify(kExport + "7\t1\tPlacebo\r\n"),
              differs(ListFileForm::Export, 11, std::nullopt, "7\t1\tPlacebo"));
    EXPECT_EQ(verify(kOutput + "\n"), differs(ListFileForm::StandardOutput, 11, std::nullopt, ""));
    EXPECT_EQ(verify(kCsv + ",,7,1,Placebo,3,3,1\r\n"),
              differs(ListFileForm::Csv, 8, std::nullopt, ",,7,1,Placebo,3,3,1"));
}

TEST(ListVerification, TellsTheFormFromTheBytes) {
    EXPECT_EQ(listFileForm(""), ListFileForm::StandardOutput);
    EXPECT_EQ(listFileForm("a\r\nb\r\n"), ListFileForm::Export);
    EXPECT_EQ(listFileForm("a\r\n\xC4\r\n"), ListFileForm::Export);
    EXPECT_EQ(listFileForm("a\n\xC3\x84\n"), ListFileForm::StandardOutput);
    EXPECT_EQ(listFileForm(std::string(kListCsvHeader) + "\r\n"), ListFileForm::Csv);
    // A CSV quotes a lone line feed inside a field; that does not make it a mixed file.
    EXPECT_EQ(listFileForm(std::string(kListCsvHeader) + "\r\n1,\"a\nb\",1,1,A,1,2,1\r\n"),
              ListFileForm::Csv);
    // The header with a line feed alone is the tool's output of a list titled like a CSV header.
    EXPECT_EQ(listFileForm(std::string(kListCsvHeader) + "\n"), ListFileForm::StandardOutput);
}

TEST(ListVerification, RefusesAFileOfNoneOfTheForms) {
    const std::string unreadable[] = {
        "a\r\nb\n",                                               // both line ends
        "a\n\xC4\n",                                              // Windows-1252 with line feeds alone
        "a\n\xC3\n",                                              // a cut UTF-8 sequence
        "a\n\xE0\x80\xAF\n",                                      // an overlong form
        "a\n\xED\xA0\x80\n",                                      // a surrogate
        std::string(kListCsvHeader) + "\r\n,,1,1,\xC4,1,2,1\r\n", // a CSV in Windows-1252
    };
    for (const auto& file : unreadable) {
        EXPECT_EQ(listFileForm(file), std::nullopt) << file;
        EXPECT_EQ(verify(file), ListVerification{}) << file;
    }
}

} // namespace
} // namespace kelvaron
