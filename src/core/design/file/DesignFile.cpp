#include "core/design/file/DesignFile.h"

#include "core/design/Limits.h"
#include "core/file/AtomicFile.h"
#include "core/text/ProfileFile.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace kelvaron {
namespace {

// A text of the design; a file without its key gives `fallback`.
struct TextField {
    std::string TStudyDesign::*member;
    std::string_view fallback;
};

// A switch, written as "1" or "0". Read as an integer: anything but 0 is on; a missing or malformed value
// is off.
struct SwitchField {
    bool (*isOn)(const TStudyDesign&);
    void (*set)(TStudyDesign&, bool on);
};

// One text of each entry of a list, stored under the key `stem` followed by the entry's position.
template <typename Entry> struct EntryField {
    std::string_view stem;
    std::string Entry::*member;
};

// A list whose key holds its length (a missing or malformed value gives 0), followed by the fields of
// every entry up to that length, entry by entry, in the order of `fields`. A missing field is empty.
template <typename Entry> struct ListField {
    KeptList<Entry> TStudyDesign::*list;
    std::int32_t maxLength;
    std::span<const EntryField<Entry>> fields;
};

struct DesignKey {
    std::string_view section;
    std::string_view key;
    std::variant<TextField, SwitchField, ListField<TStudyArm>, ListField<TStudyCenter>> field;
};

constexpr std::array<EntryField<TStudyArm>, 3> kArmFields{{
    {"Bez", &TStudyArm::label},
    {"Beschr", &TStudyArm::description},
    {"Ratio", &TStudyArm::ratio},
}};

constexpr std::array<EntryField<TStudyCenter>, 4> kCenterFields{{
    {"Bez", &TStudyCenter::label},
    {"ID", &TStudyCenter::number},
    {"Beschr", &TStudyCenter::description},
    {"Fallzahl", &TStudyCenter::plannedSize},
}};

// The keys of a design file in the order they are written.
const std::array<DesignKey, 12> kDesignKeys{{
    {"Design", "Name", TextField{&TStudyDesign::studyName, ""}},
    {"Design", "Arme", TextField{&TStudyDesign::armCount, "3"}},
    {"Design", "Fallzahl", TextField{&TStudyDesign::patientCount, "120"}},
    {"Design", "Multicenter",
     SwitchField{[](const TStudyDesign& design) { return design.perCenterLists; },
                 [](TStudyDesign& design, bool on) { design.perCenterLists = on; }}},
    {"Design", "Zentren", TextField{&TStudyDesign::centerCount, ""}},
    {"Arme", "Anzahl", ListField<TStudyArm>{&TStudyDesign::arms, limits::kMaxArms, kArmFields}},
    {"Zentren", "Anzahl",
     ListField<TStudyCenter>{&TStudyDesign::centers, limits::kMaxCenters, kCenterFields}},
    {"Bloecke", "Fix",
     SwitchField{[](const TStudyDesign& design) { return design.blockMode == BlockMode::Fixed; },
                 [](TStudyDesign& design, bool on) {
                     design.blockMode = on ? BlockMode::Fixed : BlockMode::Variable;
                 }}},
    {"Bloecke", "Groesse", TextField{&TStudyDesign::fixedBlockSize, "12"}},
    {"Bloecke", "Von", TextField{&TStudyDesign::minBlockSize, ""}},
    {"Bloecke", "Bis", TextField{&TStudyDesign::maxBlockSize, ""}},
    {"Zufall", "Seed", TextField{&TStudyDesign::seed, ""}},
}};

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Clang before 17 cannot deduce the handlers of an aggregate without a guide.
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string indexed(std::string_view stem, std::int32_t position) {
    return std::string(stem) + std::to_string(position);
}

bool listTooLong(const ProfileFile& file, const DesignKey& key) {
    const auto tooLong = [&](const auto& list) {
        return file.readInteger(key.section, key.key, 0) > list.maxLength;
    };
    return std::visit(
        Overloaded{[](const TextField&) { return false; }, [](const SwitchField&) { return false; }, tooLong},
        key.field);
}

void readKey(const ProfileFile& file, const DesignKey& key, TStudyDesign& design) {
    const auto readList = [&](const auto& list) {
        auto& entries = design.*list.list;
        entries.setLength(file.readInteger(key.section, key.key, 0));
        for (std::int32_t position = 1; position <= entries.length(); ++position) {
            for (const auto& field : list.fields)
                entries.at(position).*field.member =
                    file.readString(key.section, indexed(field.stem, position), "");
        }
    };
    std::visit(Overloaded{
                   [&](const TextField& text) {
                       design.*text.member = file.readString(key.section, key.key, text.fallback);
                   },
                   [&](const SwitchField& flag) {
                       flag.set(design, file.readInteger(key.section, key.key, 0) != 0);
                   },
                   readList,
               },
               key.field);
}

void writeKey(ProfileFile& file, const DesignKey& key, const TStudyDesign& design) {
    const auto writeList = [&](const auto& list) {
        const auto& entries = design.*list.list;
        file.writeString(key.section, key.key, std::to_string(entries.length()));
        for (std::int32_t position = 1; position <= entries.length(); ++position) {
            for (const auto& field : list.fields)
                file.writeString(key.section, indexed(field.stem, position),
                                 entries.at(position).*field.member);
        }
    };
    std::visit(
        Overloaded{
            [&](const TextField& text) { file.writeString(key.section, key.key, design.*text.member); },
            [&](const SwitchField& flag) {
                file.writeString(key.section, key.key, flag.isOn(design) ? "1" : "0");
            },
            writeList,
        },
        key.field);
}

} // namespace

DesignReadStatus readDesignFile(const std::filesystem::path& path, TStudyDesign& design) {
    const ProfileReadResult read = readProfileFile(path);
    if (read.status == ReadFileStatus::Unreadable || read.status == ReadFileStatus::TooLarge)
        return DesignReadStatus::CannotOpen;
    // A missing file reads as an empty one: every key takes its default.
    const ProfileFile& file = read.file;

    for (const DesignKey& key : kDesignKeys) {
        if (listTooLong(file, key))
            return DesignReadStatus::TooManyEntries;
    }
    TStudyDesign loaded = design;
    for (const DesignKey& key : kDesignKeys)
        readKey(file, key, loaded);
    design = std::move(loaded);
    return DesignReadStatus::Read;
}

DesignWriteStatus writeDesignFile(const std::filesystem::path& path, const TStudyDesign& design) {
    ProfileReadResult existing = readProfileFile(path);
    if (existing.status == ReadFileStatus::Unreadable || existing.status == ReadFileStatus::TooLarge)
        return DesignWriteStatus::CannotPrepare;
    ProfileFile& file = existing.file;

    for (const DesignKey& key : kDesignKeys)
        writeKey(file, key, design);

    const std::string bytes = file.serialize();
    // A file the reader would refuse could never be loaded again.
    if (bytes.size() > ProfileFile::kMaxBytes)
        return DesignWriteStatus::CannotWrite;
    if (writeFileAtomically(path, bytes) != WriteFileStatus::Written)
        return DesignWriteStatus::CannotWrite;
    return DesignWriteStatus::Written;
}

} // namespace kelvaron
