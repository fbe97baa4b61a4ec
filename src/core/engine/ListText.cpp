#include "core/engine/ListText.h"

#include <charconv>

namespace kelvaron {

ListTextWriter& ListTextWriter::number(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    buffer_.append(digits, result.ptr);
    return *this;
}

void writePatientLines(ListTextWriter& writer, std::span<const std::int32_t> patientArms,
                       std::span<const std::int32_t> blockSizes,
                       std::span<const std::string_view> descriptions, const std::string* separator) {
    std::size_t nextBlock = 0;
    std::int64_t open = 0; // patients left in the open block; 0 = no block open
    for (std::size_t i = 0; i < patientArms.size(); ++i) {
        if (open == 0 && nextBlock < blockSizes.size())
            open = blockSizes[nextBlock++];
        const std::int32_t arm = patientArms[i];
        const auto slot = static_cast<std::size_t>(arm);
        const std::string_view description =
            slot < descriptions.size() ? descriptions[slot] : std::string_view();
        // Number, tab, arm, tab in one piece: the lines of a long list are written in few appends.
        char fields[48];
        char* const patientEnd = std::to_chars(fields, fields + 22, static_cast<std::int64_t>(i) + 1).ptr;
        patientEnd[0] = '\t';
        char* const armEnd = std::to_chars(patientEnd + 1, patientEnd + 23, arm).ptr;
        armEnd[0] = '\t';
        writer.text(std::string_view(fields, static_cast<std::size_t>(armEnd + 1 - fields)))
            .text(description)
            .endLine();
        --open;
        if (open == 0 && separator)
            writer.line(*separator);
    }
}

} // namespace kelvaron
