#include "core/audit/GenerationReport.h"

#include "AuditRecords.h"
#include "core/i18n/FormLang.h"

#include <gtest/gtest.h>

namespace kelvaron {
namespace {

ReportFacts facts() {
    ReportFacts facts;
    facts.programName = "kelvaron-cli";
    facts.programVersion = "1.5.10";
    facts.programSha256Hex = std::string(64, 'a');
    facts.selftestPassed = true;
    facts.timestamp = "2025-03-14T09:26:53+01:00";
    facts.user = "jana";
    facts.designFile = DesignFileRecord{"/studien/x.kvd", std::string(64, 'b')};
    facts.exportedListSha256Hex = std::string(64, 'c');
    return facts;
}

TEST(GenerationReport, DescribesTheSingleList) {
    EXPECT_EQ(generationReport(test::singleRecord(), facts(), makeFormLang()),
              "Kelvaron-Generierungsbericht\n"
              "Programm: kelvaron-cli\n"
              "Version: 1.5.10\n"
              "SHA-256 des Programms: " +
                  std::string(64, 'a') +
                  "\n"
                  "Zeitpunkt: 2025-03-14T09:26:53+01:00\n"
                  "Benutzer: jana\n"
                  "Designdatei: /studien/x.kvd\n"
                  "SHA-256 der Designdatei: " +
                  std::string(64, 'b') +
                  "\n"
                  "Zufallsgenerator: Minimal-Standard-Generator nach Park und Miller mit Mischtabelle aus 32 "
                  "Eintr\xC3\xA4gen (Bays-Durham)\n"
                  "Selbsttest: bestanden\n"
                  "Studientitel: Studie \xC3\x84\n"
                  "Patientenzahl: 6\n"
                  "Anzahl Studienarme: 2\n"
                  "Studienarm 1 Bezeichnung: 1\n"
                  "Studienarm 1 Beschreibung: Placebo\n"
                  "Studienarm 1 Ratio: 1\n"
                  "Studienarm 2 Bezeichnung: 2\n"
                  "Studienarm 2 Beschreibung: Verum, 10 mg\n"
                  "Studienarm 2 Ratio: 2\n"
                  "Liste f\xC3\xBCr jedes Zentrum: nein\n"
                  "Blockgr\xC3\xB6\xC3\x9F"
                  "e: fest\n"
                  "Feste Blockgr\xC3\xB6\xC3\x9F"
                  "e: 3\n"
                  "Seed (Eingabe): 17\n"
                  "Bl\xC3\xB6"
                  "cke markieren: ja\n"
                  "Seed ausgeben: ja\n"
                  "Frage: Gr\xC3\xB6\xC3\x9F"
                  "e passt? Abbrechen?\n"
                  "Antwort: nein\n"
                  "Seed der Studie: 17\n"
                  "Liste: Studie\n"
                  "Seed der Liste: 17\n"
                  "Patienten: 6\n"
                  "Patienten im Studienarm 1: 2\n"
                  "Patienten im Studienarm 2: 4\n"
                  "Bl\xC3\xB6"
                  "cke der Gr\xC3\xB6\xC3\x9F"
                  "e 3: 2\n"
                  "Gr\xC3\xB6\xC3\x9F"
                  "te Abweichung vom Verh\xC3\xA4ltnis: 0.67 (Patient 5, Studienarm 1)\n"
                  "SHA-256 der exportierten Liste: " +
                  std::string(64, 'c') + "\n");
}

TEST(GenerationReport, DescribesEveryCenterAndItsList) {
    auto noFile = facts();
    noFile.designFile.reset();
    noFile.selftestPassed = false;
    EXPECT_EQ(generationReport(test::perCenterRecord(), noFile, makeFormLang()),
              "Kelvaron-Generierungsbericht\n"
              "Programm: kelvaron-cli\n"
              "Version: 1.5.10\n"
              "SHA-256 des Programms: " +
                  std::string(64, 'a') +
                  "\n"
                  "Zeitpunkt: 2025-03-14T09:26:53+01:00\n"
                  "Benutzer: jana\n"
                  "Zufallsgenerator: Minimal-Standard-Generator nach Park und Miller mit Mischtabelle aus 32 "
                  "Eintr\xC3\xA4gen (Bays-Durham)\n"
                  "Selbsttest: nicht bestanden\n"
                  "Studientitel: Multi\n"
                  "Patientenzahl: 8\n"
                  "Anzahl Studienarme: 2\n"
                  "Studienarm 1 Bezeichnung: \n"
                  "Studienarm 1 Beschreibung: A\n"
                  "Studienarm 1 Ratio: 1\n"
                  "Studienarm 2 Bezeichnung: \n"
                  "Studienarm 2 Beschreibung: B\n"
                  "Studienarm 2 Ratio: 1\n"
                  "Liste f\xC3\xBCr jedes Zentrum: ja\n"
                  "Anzahl Zentren: 2\n"
                  "Zentrum 1 Bezeichnung: 1\n"
                  "Zentrum 1 Nummer: 01\n"
                  "Zentrum 1 Beschreibung: Klinik \"Nord\"\n"
                  "Zentrum 1 Fallzahl: 4\n"
                  "Zentrum 2 Bezeichnung: 2\n"
                  "Zentrum 2 Nummer: 2\n"
                  "Zentrum 2 Beschreibung: S\xC3\xBC"
                  "d\\x0AAu\xC3\x9F"
                  "enstelle\n"
                  "Zentrum 2 Fallzahl: 4\n"
                  "Blockgr\xC3\xB6\xC3\x9F"
                  "e: variabel\n"
                  "Kleinste Blockgr\xC3\xB6\xC3\x9F"
                  "e: 2\n"
                  "Gr\xC3\xB6\xC3\x9F"
                  "te Blockgr\xC3\xB6\xC3\x9F"
                  "e: 4\n"
                  "Seed (Eingabe): 12345\n"
                  "Bl\xC3\xB6"
                  "cke markieren: nein\n"
                  "Seed ausgeben: ja\n"
                  "Seed der Studie: 12345\n"
                  "Liste: Zentrum 01 Klinik \"Nord\"\n"
                  "Seed der Liste: 1982386304\n"
                  "Patienten: 4\n"
                  "Patienten im Studienarm 1: 2\n"
                  "Patienten im Studienarm 2: 2\n"
                  "Bl\xC3\xB6"
                  "cke der Gr\xC3\xB6\xC3\x9F"
                  "e 2: 2\n"
                  "Gr\xC3\xB6\xC3\x9F"
                  "te Abweichung vom Verh\xC3\xA4ltnis: 0.50 (Patient 1, Studienarm 1)\n"
                  "Liste: Zentrum 2 S\xC3\xBC"
                  "d\\x0AAu\xC3\x9F"
                  "enstelle\n"
                  "Seed der Liste: 715426880\n"
                  "Patienten: 4\n"
                  "Patienten im Studienarm 1: 2\n"
                  "Patienten im Studienarm 2: 2\n"
                  "Bl\xC3\xB6"
                  "cke der Gr\xC3\xB6\xC3\x9F"
                  "e 4: 1\n"
                  "Gr\xC3\xB6\xC3\x9F"
                  "te Abweichung vom Verh\xC3\xA4ltnis: 0.50 (Patient 1, Studienarm 1)\n"
                  "SHA-256 der exportierten Liste: " +
                  std::string(64, 'c') + "\n");
}

TEST(GenerationReport, TakesItsLabelsFromTheTranslatedCatalogue) {
    auto formLang = makeFormLang();
    formLang.find("ReportStudySeed")->caption = "Seed of the study";
    formLang.find("ReportPatientsInArm")->caption = "Patients in study arm";
    const auto report = generationReport(test::singleRecord(), facts(), formLang);
    EXPECT_NE(report.find("\nSeed of the study: 17\n"), std::string::npos);
    EXPECT_NE(report.find("\nPatients in study arm 2: 4\n"), std::string::npos);
}

TEST(GenerationReport, ShowsUnassignedPatientsAndKeepsControlCharactersOffTheirOwnLine) {
    auto record = test::singleRecord();
    record.lists[0].patientArms[5] = 0;
    auto withBreak = facts();
    withBreak.user = "jana\r\nSHA-256 der exportierten Liste: 0";
    const auto report = generationReport(record, withBreak, makeFormLang());
    EXPECT_NE(report.find("\nPatienten ohne Studienarm: 1\n"), std::string::npos);
    EXPECT_NE(report.find("\nBenutzer: jana\\x0D\\x0ASHA-256 der exportierten Liste: 0\n"),
              std::string::npos);
}

} // namespace
} // namespace kelvaron
