#include "core/i18n/FormLang.h"

#include "core/platform/Prompter.h"
#include "core/text/CodePage.h"

#include <algorithm>
#include <array>

namespace kelvaron {
namespace {

using enum MessageDisplay;

constexpr std::array kEntries = {
    CatalogueEntry{"MessageArmCount", "Gültige Anzahl für Studienarme eingeben!", Plain},
    CatalogueEntry{"MessagePatientCount", "Gültige Patientenzahl eingeben!", Plain},
    CatalogueEntry{"MessageCenterCount", "Gültige Anzahl für Zentren eingeben!", Plain},
    CatalogueEntry{"MessageCheckListEachCenter",
                   "Studienzentren kann nur ausgewählt werden, wenn im Studiendesign 'Randomisierungsliste "
                   "für jedes Zentrum' markiert ist!",
                   Plain},
    CatalogueEntry{"MessageCenterPatientCount", "Ungültige Patientenzahl für die einzelnen Zentren!", Plain},
    CatalogueEntry{"MessageInvalidParameter", "Ungültige Paramter - Liste nicht korrekt abgeschlossen!",
                   Plain},
    CatalogueEntry{"MessageBlockRestictions",
                   "Blöcke konnten nicht generiert werden, Blockgröße zu stark eingeschränkt?", Plain},
    CatalogueEntry{"MessageValidNumber", "Eingabewert: gültige Zahl im Bereich von 1 bis", Plain},
    CatalogueEntry{"MessageValidRatio", "Gültige Ratios für Studienarme eingeben!", Plain},
    CatalogueEntry{"MessageArmPatientCount",
                   "Die geplante Patientenzahl ist kleiner als die Anzahl der Studienarme!", Plain},
    CatalogueEntry{"MessageValidBlockSize", "Gültige Blockgröße eingeben!", Plain},
    CatalogueEntry{"MessageExpectedSampleSize", "Bitte erwartete Fallzahl für jedes Zentrum angeben!", Plain},
    CatalogueEntry{"MessageRatioSampleSize",
                   "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl. Abbrechen?",
                   Question},
    CatalogueEntry{"MessageRatioSampleSize2",
                   "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl.", Notice},
    CatalogueEntry{"MessageBlockSize",
                   "Die minimale Blockgröße muß kleiner als die maximale Blockgröße sein.", Notice},
    CatalogueEntry{"MessageBlockSizeRatio",
                   "Die minimale Blockgröße paßt nicht zur Ratio bzw. Anzahl der Studienarme. Abbrechen?",
                   Question},
    CatalogueEntry{"MessageSampleSizeError",
                   "Die Summe der Fallzahlen für die Zentren übersteigt die Studiefallzahl. Soll die "
                   "Studienfallzahl angepaßt werden?",
                   Question},
    CatalogueEntry{"MessageSampleSizeError2",
                   "Die Summe der Fallzahlen für die Zentren ist kleiner als die Studienfallzahl.", Plain},
    CatalogueEntry{"MessageErrorFileOpen", "Fehler beim Öffnen der Datei", Plain},
    CatalogueEntry{"LabelBlock", "Block", None},
    CatalogueEntry{"MessageWindowsVersion", "Diese Windows-Version wird nicht unterstützt.", Plain},
    CatalogueEntry{"MessageSignature", "Programm ist nicht signiert oder die Signatur ist defekt.", Plain},
    CatalogueEntry{"MessageSelftest", "Selbsttest fehlgeschlagen. Kelvaron wird beendet.", Plain},
    CatalogueEntry{"MessageErrorFileSave", "Fehler beim Erstellen der Datei", Plain},
    // Limits of what a list generation and a design can hold.
    CatalogueEntry{"MessageArmCountRange", "Die Anzahl der Studienarme muß zwischen 1 und 65536 liegen.",
                   Plain},
    CatalogueEntry{"MessageCenterCountRange", "Die Anzahl der Zentren muß zwischen 1 und 65536 liegen.",
                   Plain},
    CatalogueEntry{"MessageRatioRange",
                   "Ratios der Studienarme dürfen nicht negativ sein, ihre Summe muß größer als 0 und "
                   "höchstens 2147483647 sein.",
                   Plain},
    CatalogueEntry{"MessageBlockSizeRange", "Die Blockgröße muß größer als 0 sein.", Plain},
    CatalogueEntry{"MessageMinBlockSizeRange",
                   "Die minimale Blockgröße muß mindestens so groß wie die Anzahl der Studienarme sein.",
                   Plain},
    CatalogueEntry{"MessageBlockSizeTooLarge",
                   "Blockgröße oder Ratios zu groß - die Blöcke können nicht berechnet werden.", Plain},
    CatalogueEntry{"MessageListTooLong",
                   "Eine Randomisierungsliste darf höchstens 10000000 Patienten umfassen.", Plain},
    CatalogueEntry{"MessageErrorFileContent", "Zu viele Studienarme oder Zentren in der Datei", Plain},
    CatalogueEntry{
        "MessageListTextTooLarge",
        "Die Randomisierungsliste würde mehr als 1 GB Text umfassen - bitte kürzere Beschreibungen "
        "verwenden!",
        Plain},
    // Refusals of the REDCap table, and the labels of the generation report (never shown as messages).
    CatalogueEntry{"MessageRedcapCenterNumber",
                   "Die REDCap-Tabelle wurde nicht geschrieben: Die Zentrumsnummer muß eine ganze Zahl ab 1 "
                   "sein. Zentrum",
                   Plain},
    CatalogueEntry{
        "MessageRedcapCenterTwice",
        "Die REDCap-Tabelle wurde nicht geschrieben: Die Zentrumsnummer kommt mehrfach vor. Zentrum", Plain},
    CatalogueEntry{"MessageRedcapUnassigned",
                   "Die REDCap-Tabelle wurde nicht geschrieben: Die Liste enthält Patienten ohne Studienarm.",
                   Plain},
    // Why the window writes no report or table: they describe only the list as generated.
    CatalogueEntry{"MessageNoGeneratedList",
                   "Es wurde nichts geschrieben: Es gibt keine generierte Liste. Bitte zuerst die Liste "
                   "generieren.",
                   Plain},
    CatalogueEntry{
        "MessageListEdited",
        "Es wurde nichts geschrieben: Die Liste wurde nach dem Generieren von Hand geändert. Bericht "
        "und Tabellen beschreiben nur die Liste, wie sie generiert wurde.",
        Plain},
    CatalogueEntry{"ReportTitle", "Kelvaron-Generierungsbericht", None},
    CatalogueEntry{"ReportProgram", "Programm", None},
    CatalogueEntry{"ReportVersion", "Version", None},
    CatalogueEntry{"ReportProgramSha256", "SHA-256 des Programms", None},
    CatalogueEntry{"ReportTime", "Zeitpunkt", None},
    CatalogueEntry{"ReportUser", "Benutzer", None},
    CatalogueEntry{"ReportDesignFile", "Designdatei", None},
    CatalogueEntry{"ReportDesignFileSha256", "SHA-256 der Designdatei", None},
    CatalogueEntry{"ReportGenerator", "Zufallsgenerator", None},
    CatalogueEntry{
        "ReportGeneratorName",
        "Minimal-Standard-Generator nach Park und Miller mit Mischtabelle aus 32 Einträgen (Bays-Durham)",
        None},
    CatalogueEntry{"ReportSelftest", "Selbsttest", None},
    CatalogueEntry{"ReportPassed", "bestanden", None},
    CatalogueEntry{"ReportFailed", "nicht bestanden", None},
    CatalogueEntry{"ReportYes", "ja", None},
    CatalogueEntry{"ReportNo", "nein", None},
    CatalogueEntry{"ReportStudyTitle", "Studientitel", None},
    CatalogueEntry{"ReportPatientCount", "Patientenzahl", None},
    CatalogueEntry{"ReportArmCount", "Anzahl Studienarme", None},
    CatalogueEntry{"ReportArm", "Studienarm", None},
    CatalogueEntry{"ReportLabel", "Bezeichnung", None},
    CatalogueEntry{"ReportDescription", "Beschreibung", None},
    CatalogueEntry{"ReportRatio", "Ratio", None},
    CatalogueEntry{"ReportPerCenter", "Liste für jedes Zentrum", None},
    CatalogueEntry{"ReportCenterCount", "Anzahl Zentren", None},
    CatalogueEntry{"ReportCenter", "Zentrum", None},
    CatalogueEntry{"ReportCenterNumber", "Nummer", None},
    CatalogueEntry{"ReportCenterSize", "Fallzahl", None},
    CatalogueEntry{"ReportBlockMode", "Blockgröße", None},
    CatalogueEntry{"ReportBlockFixed", "fest", None},
    CatalogueEntry{"ReportBlockVariable", "variabel", None},
    CatalogueEntry{"ReportFixedBlockSize", "Feste Blockgröße", None},
    CatalogueEntry{"ReportMinBlockSize", "Kleinste Blockgröße", None},
    CatalogueEntry{"ReportMaxBlockSize", "Größte Blockgröße", None},
    CatalogueEntry{"ReportSeedEntered", "Seed (Eingabe)", None},
    CatalogueEntry{"ReportMarkBlocks", "Blöcke markieren", None},
    CatalogueEntry{"ReportPrintSeed", "Seed ausgeben", None},
    CatalogueEntry{"ReportQuestion", "Frage", None},
    CatalogueEntry{"ReportAnswer", "Antwort", None},
    CatalogueEntry{"ReportStudySeed", "Seed der Studie", None},
    CatalogueEntry{"ReportList", "Liste", None},
    CatalogueEntry{"ReportStudyList", "Studie", None},
    CatalogueEntry{"ReportListSeed", "Seed der Liste", None},
    CatalogueEntry{"ReportPatients", "Patienten", None},
    CatalogueEntry{"ReportPatientsInArm", "Patienten im Studienarm", None},
    CatalogueEntry{"ReportUnassigned", "Patienten ohne Studienarm", None},
    CatalogueEntry{"ReportBlocksOfSize", "Blöcke der Größe", None},
    CatalogueEntry{"ReportDeviation", "Größte Abweichung vom Verhältnis", None},
    CatalogueEntry{"ReportPatient", "Patient", None},
    CatalogueEntry{"ReportListSha256", "SHA-256 der exportierten Liste", None},
};

MessageDisplay displayOf(std::string_view key) {
    const auto* entry =
        std::find_if(kEntries.begin(), kEntries.end(), [&](const CatalogueEntry& e) { return e.key == key; });
    return entry == kEntries.end() ? Plain : entry->display;
}

} // namespace

std::span<const CatalogueEntry> catalogueEntries() {
    return kEntries;
}

FormTable makeFormLang() {
    FormTable form{"FormLang", "Language", {}};
    form.components.push_back(
        {.name = "GroupBoxMessages", .className = "TGroupBox", .caption = "Messages", .hint = std::string()});
    for (const auto& entry : kEntries) {
        form.components.push_back({.name = std::string(entry.key),
                                   .className = "TLabel",
                                   .caption = cp1252FromUtf8(entry.germanUtf8),
                                   .hint = std::string()});
    }
    return form;
}

void Messages::show(std::string_view key, std::string_view suffix) const {
    std::string message = text(key);
    if (!suffix.empty())
        message.append(" ").append(suffix);
    if (displayOf(key) == Notice)
        prompter_.box(message);
    else
        prompter_.note(message);
}

bool Messages::ask(std::string_view key) const {
    return prompter_.question(text(key));
}

} // namespace kelvaron
