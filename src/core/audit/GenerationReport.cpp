#include "core/audit/GenerationReport.h"

#include "core/audit/ListStatistics.h"
#include "core/text/CodePage.h"

#include <cstdio>

namespace kelvaron {
namespace {

// Control characters become \xHH, so every item stays on its own line.
std::string visible(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out.append(escaped);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

class ReportWriter {
public:
    explicit ReportWriter(const FormTable& formLang) : formLang_(formLang) {}

    // The label of a catalogue entry, UTF-8.
    [[nodiscard]] std::string label(std::string_view key) const {
        return utf8FromCp1252(formLang_.captionOf(key));
    }
    [[nodiscard]] std::string yesNo(bool yes) const { return label(yes ? "ReportYes" : "ReportNo"); }

    void heading(std::string_view key) { text_.append(label(key)).push_back('\n'); }
    void item(std::string_view labelText, std::string_view valueUtf8) {
        text_.append(labelText).append(": ").append(visible(valueUtf8)).push_back('\n');
    }
    void itemOf(std::string_view key, std::string_view valueUtf8) { item(label(key), valueUtf8); }
    // A Windows-1252 value from the design or the list.
    void itemOfText(std::string_view key, std::string_view cp1252) { itemOf(key, utf8FromCp1252(cp1252)); }

    [[nodiscard]] std::string take() { return std::move(text_); }

private:
    const FormTable& formLang_;
    std::string text_;
};

void writeDesign(ReportWriter& report, const TStudyDesign& design) {
    report.itemOfText("ReportStudyTitle", design.studyName);
    report.itemOfText("ReportPatientCount", design.patientCount);
    report.itemOfText("ReportArmCount", design.armCount);
    const std::string arm = report.label("ReportArm");
    std::int32_t position = 0;
    for (const auto& entry : design.arms.visible()) {
        const std::string prefix = arm + " " + std::to_string(++position) + " ";
        report.item(prefix + report.label("ReportLabel"), utf8FromCp1252(entry.label));
        report.item(prefix + report.label("ReportDescription"), utf8FromCp1252(entry.description));
        report.item(prefix + report.label("ReportRatio"), utf8FromCp1252(entry.ratio));
    }
    report.itemOf("ReportPerCenter", report.yesNo(design.perCenterLists));
    if (design.perCenterLists) {
        report.itemOfText("ReportCenterCount", design.centerCount);
        const std::string center = report.label("ReportCenter");
        position = 0;
        for (const auto& entry : design.centers.visible()) {
            const std::string prefix = center + " " + std::to_string(++position) + " ";
            report.item(prefix + report.label("ReportLabel"), utf8FromCp1252(entry.label));
            report.item(prefix + report.label("ReportCenterNumber"), utf8FromCp1252(entry.number));
            report.item(prefix + report.label("ReportDescription"), utf8FromCp1252(entry.description));
            report.item(prefix + report.label("ReportCenterSize"), utf8FromCp1252(entry.plannedSize));
        }
    }
    const bool fixed = design.blockMode == BlockMode::Fixed;
    report.itemOf("ReportBlockMode", report.label(fixed ? "ReportBlockFixed" : "ReportBlockVariable"));
    if (fixed) {
        report.itemOfText("ReportFixedBlockSize", design.fixedBlockSize);
    } else {
        report.itemOfText("ReportMinBlockSize", design.minBlockSize);
        report.itemOfText("ReportMaxBlockSize", design.maxBlockSize);
    }
    report.itemOfText("ReportSeedEntered", design.seed);
}

void writeList(ReportWriter& report, const ListRecord& list, std::span<const std::int32_t> armRatios) {
    std::string name = report.label("ReportStudyList");
    if (list.perCenter) {
        name = report.label("ReportCenter") + " " + utf8FromCp1252(list.centerNumber);
        if (!list.centerDescription.empty())
            name.append(" ").append(utf8FromCp1252(list.centerDescription));
    }
    report.itemOf("ReportList", name);
    report.itemOf("ReportListSeed", std::to_string(list.seed));
    report.itemOf("ReportPatients", std::to_string(list.patientArms.size()));

    const ListStatistics statistics = listStatistics(list, armRatios);
    const std::string inArm = report.label("ReportPatientsInArm");
    for (std::size_t a = 0; a < statistics.patientsPerArm.size(); ++a)
        report.item(inArm + " " + std::to_string(a + 1), std::to_string(statistics.patientsPerArm[a]));
    if (statistics.unassigned > 0)
        report.itemOf("ReportUnassigned", std::to_string(statistics.unassigned));
    const std::string ofSize = report.label("ReportBlocksOfSize");
    for (const auto& [size, count] : statistics.blocksBySize)
        report.item(ofSize + " " + std::to_string(size), std::to_string(count));
    const auto& deviation = statistics.deviation;
    std::string value = twoDecimals(deviation);
    if (deviation.position > 0) {
        value.append(" (")
            .append(report.label("ReportPatient"))
            .append(" ")
            .append(std::to_string(deviation.position))
            .append(", ")
            .append(report.label("ReportArm"))
            .append(" ")
            .append(std::to_string(deviation.arm))
            .append(")");
    }
    report.itemOf("ReportDeviation", value);
}

} // namespace

std::string generationReport(const GenerationRecord& record, const ReportFacts& facts,
                             const FormTable& formLang) {
    ReportWriter report(formLang);
    report.heading("ReportTitle");
    report.itemOf("ReportProgram", facts.programName);
    report.itemOf("ReportVersion", facts.programVersion);
    report.itemOf("ReportProgramSha256", facts.programSha256Hex);
    report.itemOf("ReportTime", facts.timestamp);
    report.itemOf("ReportUser", facts.user);
    if (facts.designFile) {
        report.itemOf("ReportDesignFile", facts.designFile->pathUtf8);
        report.itemOf("ReportDesignFileSha256", facts.designFile->sha256Hex);
    }
    report.itemOf("ReportGenerator", report.label("ReportGeneratorName"));
    report.itemOf("ReportSelftest", report.label(facts.selftestPassed ? "ReportPassed" : "ReportFailed"));
    writeDesign(report, record.design);
    report.itemOf("ReportMarkBlocks", report.yesNo(record.markBlocks));
    report.itemOf("ReportPrintSeed", report.yesNo(record.printSeed));
    for (const auto& question : record.questions) {
        report.itemOfText("ReportQuestion", question.text);
        report.itemOf("ReportAnswer", report.yesNo(question.yes));
    }
    report.itemOf("ReportStudySeed", std::to_string(record.studySeed));
    for (const auto& list : record.lists)
        writeList(report, list, record.armRatios);
    report.itemOf("ReportListSha256", facts.exportedListSha256Hex);
    return report.take();
}

} // namespace kelvaron
