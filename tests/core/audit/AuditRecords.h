// Two hand-made generation records: a single list and a list per center, with texts that need quoting.
#pragma once

#include "core/audit/GenerationRecord.h"

namespace kelvaron::test {

inline void setArm(TStudyDesign& design, std::int32_t position, TStudyArm arm) {
    design.arms.at(position) = std::move(arm);
}

// "Studie Ä": arms Placebo (ratio 1) and "Verum, 10 mg" (ratio 2), 6 patients in fixed blocks of 3.
inline GenerationRecord singleRecord() {
    GenerationRecord record;
    auto& design = record.design;
    design.studyName = "Studie \xC4";
    design.patientCount = "6";
    design.armCount = "2";
    design.arms.setLength(2);
    setArm(design, 1, {"1", "Placebo", "1"});
    setArm(design, 2, {"2", "Verum, 10 mg", "2"});
    design.fixedBlockSize = "3";
    design.seed = "17";
    record.armRatios = {1, 2};
    record.questions = {{"Gr\xF6\xDF"
                         "e passt? Abbrechen?",
                         false}};
    record.studySeed = 17;
    record.lists = {{false, "", "", 17, {3, 3}, {2, 1, 2, 2, 2, 1}}};
    return record;
}

// The list text of singleRecord, as the list view holds it.
inline constexpr std::string_view kSingleListText = "Studie \xC4\n"
                                                    "Seed: (17)\n"
                                                    "1\t2\tVerum, 10 mg\n"
                                                    "2\t1\tPlacebo\n"
                                                    "3\t2\tVerum, 10 mg\n"
                                                    "------- Block ------\n"
                                                    "4\t2\tVerum, 10 mg\n"
                                                    "5\t2\tVerum, 10 mg\n"
                                                    "6\t1\tPlacebo\n"
                                                    "------- Block ------\n";

// "Multi": arms A and B (ratio 1 each), two centers of 4 patients with variable blocks from 2 to 4; the
// first center's description holds quotes, the second's a line break.
inline GenerationRecord perCenterRecord() {
    GenerationRecord record;
    auto& design = record.design;
    design.studyName = "Multi";
    design.patientCount = "8";
    design.armCount = "2";
    design.arms.setLength(2);
    setArm(design, 1, {"", "A", "1"});
    setArm(design, 2, {"", "B", "1"});
    design.perCenterLists = true;
    design.centerCount = "2";
    design.centers.setLength(2);
    design.centers.at(1) = {"1", "01", "Klinik \"Nord\"", "4"};
    design.centers.at(2) = {"2", "2",
                            "S\xFC"
                            "d\nAu\xDF"
                            "enstelle",
                            "4"};
    design.blockMode = BlockMode::Variable;
    design.minBlockSize = "2";
    design.maxBlockSize = "4";
    design.seed = "12345";
    record.armRatios = {1, 1};
    record.markBlocks = false;
    record.studySeed = 12345;
    record.lists = {{true, "01", "Klinik \"Nord\"", 1982386304, {2, 2}, {1, 2, 2, 1}},
                    {true, "2", design.centers.at(2).description, 715426880, {4}, {2, 1, 1, 2}}};
    return record;
}

} // namespace kelvaron::test
