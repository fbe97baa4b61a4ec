// Arbitrary bytes as a design file (.kvd): parsed as a profile file, loaded as a design, saved over the
// same file and loaded again.
//
// Invariants: an untouched profile file serializes to its own bytes; a refused file leaves the design
// as it was; a loaded design can always be saved; and loading the saved file gives back every text of
// the first load, changed only as the writer and the reader change any value (a line break is written
// as a blank; blanks at the ends, one pair of enclosing quotation marks and characters past the 2047th
// are not read back).
//
// A file whose lists hold more than kLongestFuzzedList entries, and no more than a design can hold, is
// checked as a profile file only. Every entry adds the same keys to load, save and load again, so once
// the fuzzer had kept inputs with tens of thousands of entries it ran a few inputs per second while
// covering nothing that a short list does not; the longest lists are saved and loaded by the tests of
// the design file instead (DesignFile.LongestListsAreSavedAndLoadedAgain).
#include "FuzzSupport.h"
#include "core/design/Limits.h"
#include "core/design/file/DesignFile.h"
#include "core/text/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaron::fuzz {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

constexpr std::int32_t kLongestFuzzedList = 64;

// Whether the file declares a list longer than kLongestFuzzedList that a design can still hold.
bool declaresLongLists(const ProfileFile& file) {
    const std::int32_t arms = file.readInteger("Arme", "Anzahl", 0);
    const std::int32_t centers = file.readInteger("Zentren", "Anzahl", 0);
    const bool withinLimits = arms <= limits::kMaxArms && centers <= limits::kMaxCenters;
    return withinLimits && (arms > kLongestFuzzedList || centers > kLongestFuzzedList);
}

// The text that reading gives for a value written as `text`.
std::string afterSaveAndLoad(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::string_view value = text;
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);
    while (!value.empty() && isBlank(value.back()))
        value.remove_suffix(1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, ProfileFile::kMaxValueLength));
}

// The design that loading the saved `design` must give; entries past the list lengths are not saved and
// stay as they were.
TStudyDesign expectedReload(TStudyDesign design) {
    for (std::string* text :
         {&design.studyName, &design.patientCount, &design.armCount, &design.centerCount,
          &design.fixedBlockSize, &design.minBlockSize, &design.maxBlockSize, &design.seed})
        *text = afterSaveAndLoad(*text);
    for (TStudyArm& arm : design.arms.visible()) {
        for (std::string* text : {&arm.label, &arm.description, &arm.ratio})
            *text = afterSaveAndLoad(*text);
    }
    for (TStudyCenter& center : design.centers.visible()) {
        for (std::string* text : {&center.label, &center.number, &center.description, &center.plannedSize})
            *text = afterSaveAndLoad(*text);
    }
    return design;
}

// A design unlike anything a file loads, so that any change made by a refused load shows.
TStudyDesign untouchedDesign() {
    TStudyDesign design;
    design.studyName = "untouched";
    design.arms.at(1).description = "kept";
    design.centers.at(2).plannedSize = "kept";
    design.seed = "untouched";
    return design;
}

} // namespace
} // namespace kelvaron::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvaron;
    using namespace kelvaron::fuzz;
    static const ScratchFolder folder;
    static const TStudyDesign untouched = untouchedDesign();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto parsed = ProfileFile::parse(bytes);
    require(parsed.has_value() == (size <= ProfileFile::kMaxBytes));
    if (parsed)
        require(parsed->serialize() == bytes);
    if (parsed && declaresLongLists(*parsed))
        return 0;

    const auto path = folder.write("design.kvd", bytes);
    TStudyDesign loaded = untouched;
    if (readDesignFile(path, loaded) != DesignReadStatus::Read) {
        require(loaded == untouched);
        return 0;
    }

    require(writeDesignFile(path, loaded) == DesignWriteStatus::Written);
    require(folder.holdsOnly("design.kvd"));
    TStudyDesign reloaded = untouched;
    require(readDesignFile(path, reloaded) == DesignReadStatus::Read);
    require(reloaded == expectedReload(loaded));
    return 0;
}
