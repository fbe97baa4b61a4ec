#include "core/design/file/DesignFile.h"

#include "core/design/Limits.h"
#include "core/file/AtomicFile.h"
#include "core/text/ProfileFile.h"

#include <cstdint>
#include <string>
#include <utility>

namespace kelvaron {
namespace {

std::string indexed(const char* stem, std::int32_t position) {
    return stem + std::to_string(position);
}

const char* boolean(bool value) {
    return value ? "1" : "0";
}

} // namespace

DesignReadStatus readDesignFile(const std::filesystem::path& path, TStudyDesign& design) {
    const ProfileReadResult read = readProfileFile(path);
    if (read.status == ReadFileStatus::Unreadable || read.status == ReadFileStatus::TooLarge)
        return DesignReadStatus::CannotOpen;
    // A missing file reads as an empty one: every key takes its default.
    const ProfileFile& file = read.file;

    const std::int32_t armEntries = file.readInteger("Arme", "Anzahl", 0);
    const std::int32_t centerEntries = file.readInteger("Zentren", "Anzahl", 0);
    if (armEntries > limits::kMaxArms || centerEntries > limits::kMaxCenters)
        return DesignReadStatus::TooManyEntries;

    TStudyDesign loaded = design;
    loaded.studyName = file.readString("Design", "Name", "");
    loaded.armCount = file.readString("Design", "Arme", "3");
    loaded.patientCount = file.readString("Design", "Fallzahl", "120");
    loaded.perCenterLists = file.readInteger("Design", "Multicenter", 0) != 0;
    loaded.centerCount = file.readString("Design", "Zentren", "");

    loaded.arms.setLength(armEntries);
    for (std::int32_t i = 1; i <= loaded.arms.length(); ++i) {
        TStudyArm& arm = loaded.arms.at(i);
        arm.label = file.readString("Arme", indexed("Bez", i), "");
        arm.description = file.readString("Arme", indexed("Beschr", i), "");
        arm.ratio = file.readString("Arme", indexed("Ratio", i), "");
    }

    loaded.centers.setLength(centerEntries);
    for (std::int32_t j = 1; j <= loaded.centers.length(); ++j) {
        TStudyCenter& center = loaded.centers.at(j);
        center.label = file.readString("Zentren", indexed("Bez", j), "");
        center.number = file.readString("Zentren", indexed("ID", j), "");
        center.description = file.readString("Zentren", indexed("Beschr", j), "");
        center.plannedSize = file.readString("Zentren", indexed("Fallzahl", j), "");
    }

    loaded.blockMode = file.readInteger("Bloecke", "Fix", 0) != 0 ? BlockMode::Fixed : BlockMode::Variable;
    loaded.fixedBlockSize = file.readString("Bloecke", "Groesse", "12");
    loaded.minBlockSize = file.readString("Bloecke", "Von", "");
    loaded.maxBlockSize = file.readString("Bloecke", "Bis", "");
    loaded.seed = file.readString("Zufall", "Seed", "");

    design = std::move(loaded);
    return DesignReadStatus::Read;
}

DesignWriteStatus writeDesignFile(const std::filesystem::path& path, const TStudyDesign& design) {
    ProfileReadResult existing = readProfileFile(path);
    if (existing.status == ReadFileStatus::Unreadable || existing.status == ReadFileStatus::TooLarge)
        return DesignWriteStatus::CannotPrepare;
    ProfileFile& file = existing.file;

    file.writeString("Design", "Name", design.studyName);
    file.writeString("Design", "Arme", design.armCount);
    file.writeString("Design", "Fallzahl", design.patientCount);
    file.writeString("Design", "Multicenter", boolean(design.perCenterLists));
    file.writeString("Design", "Zentren", design.centerCount);

    file.writeString("Arme", "Anzahl", std::to_string(design.arms.length()));
    for (std::int32_t i = 1; i <= design.arms.length(); ++i) {
        const TStudyArm& arm = design.arms.at(i);
        file.writeString("Arme", indexed("Bez", i), arm.label);
        file.writeString("Arme", indexed("Beschr", i), arm.description);
        file.writeString("Arme", indexed("Ratio", i), arm.ratio);
    }

    file.writeString("Zentren", "Anzahl", std::to_string(design.centers.length()));
    for (std::int32_t j = 1; j <= design.centers.length(); ++j) {
        const TStudyCenter& center = design.centers.at(j);
        file.writeString("Zentren", indexed("Bez", j), center.label);
        file.writeString("Zentren", indexed("ID", j), center.number);
        file.writeString("Zentren", indexed("Beschr", j), center.description);
        file.writeString("Zentren", indexed("Fallzahl", j), center.plannedSize);
    }

    file.writeString("Bloecke", "Fix", boolean(design.blockMode == BlockMode::Fixed));
    file.writeString("Bloecke", "Groesse", design.fixedBlockSize);
    file.writeString("Bloecke", "Von", design.minBlockSize);
    file.writeString("Bloecke", "Bis", design.maxBlockSize);
    file.writeString("Zufall", "Seed", design.seed);

    const std::string bytes = file.serialize();
    // A file the reader would refuse could never be loaded again.
    if (bytes.size() > ProfileFile::kMaxBytes)
        return DesignWriteStatus::CannotWrite;
    if (writeFileAtomically(path, bytes) != WriteFileStatus::Written)
        return DesignWriteStatus::CannotWrite;
    return DesignWriteStatus::Written;
}

} // namespace kelvaron
