// Writing the lines of the list text: 8-bit lines with line-feed ends and tab-separated fields.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kelvaron {

class ListTextWriter {
public:
    explicit ListTextWriter(std::string& buffer) : buffer_(buffer) {}

    void line(std::string_view text) {
        buffer_.append(text);
        buffer_.push_back('\n');
    }
    ListTextWriter& text(std::string_view text) {
        buffer_.append(text);
        return *this;
    }
    ListTextWriter& number(std::int64_t value);
    ListTextWriter& tab() {
        buffer_.push_back('\t');
        return *this;
    }
    void endLine() { buffer_.push_back('\n'); }

private:
    std::string& buffer_;
};

// The patient lines of one list: patient i, tab, arm, tab, the arm's description; after the last patient
// of every block the separator line when `separator` is not null. `descriptions[a]` names arm a; entry 0
// is used for positions left unassigned.
void writePatientLines(ListTextWriter& writer, std::span<const std::int32_t> patientArms,
                       std::span<const std::int32_t> blockSizes,
                       std::span<const std::string_view> descriptions, const std::string* separator);

} // namespace kelvaron
