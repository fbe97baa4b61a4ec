// The line kinds of a list text, read back from the text: the title, the seed line of a single list,
// the heading of each center, the patient lines ("number<TAB>arm<TAB>description") and the block
// separators. Used by the invariant tests and the generation fuzz target to find any line that is none
// of these, or that stands where its kind cannot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvaron::test {

enum class ListLineKind { Title, SeedLine, CenterHeading, PatientLine, BlockSeparator };

struct ListLine {
    ListLineKind kind;
    std::string_view text;
    std::int64_t patient = 0; // patient lines: the number, counted from 1 in each list
    std::int32_t arm = 0;     // patient lines: the arm, 0 for a position left unassigned
};

// What the lines of one generation are made of.
struct ListTextParts {
    bool perCenter = false;
    std::string blockSeparatorLine;
    std::string centerLinePrefix;
    // descriptions[a] is the text of arm a's patient lines; entry 0 is the heading of the description
    // column, shown for a position left unassigned.
    std::vector<std::string> descriptions;
};

// Reads a list text line by line. The text is not a list text when a line is of no kind, a line does not
// end with a line feed, the patients of a list are not numbered 1, 2, 3, ..., or a separator does not
// follow a patient line.
class ListTextReader {
public:
    ListTextReader(std::string_view text, const ListTextParts& parts)
        : rest_(text), parts_(parts), headingStart_(parts.centerLinePrefix + " ") {}

    // The next line with its kind; nullopt at the end of the text, and at the first line that makes the
    // text no list text (then failed() is true).
    std::optional<ListLine> next() {
        if (rest_.empty() || failed_)
            return std::nullopt;
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return fail();
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        const std::optional<ListLine> read = classify(line);
        if (!read)
            return fail();
        ++index_;
        previous_ = read->kind;
        return read;
    }

    [[nodiscard]] bool failed() const { return failed_; }

private:
    std::optional<ListLine> fail() {
        failed_ = true;
        return std::nullopt;
    }

    std::optional<ListLine> classify(std::string_view line) {
        if (index_ == 0)
            return ListLine{ListLineKind::Title, line};
        if (index_ == 1 && !parts_.perCenter) {
            if (!line.empty() && !isSeedLine(line))
                return std::nullopt;
            return ListLine{ListLineKind::SeedLine, line};
        }
        if (line == parts_.blockSeparatorLine) {
            if (previous_ != ListLineKind::PatientLine)
                return std::nullopt;
            return ListLine{ListLineKind::BlockSeparator, line};
        }
        if (const auto patient = patientLine(line)) {
            if (patient->patient != lastPatient_ + 1)
                return std::nullopt;
            lastPatient_ = patient->patient;
            return patient;
        }
        if (parts_.perCenter && line.starts_with(headingStart_)) {
            lastPatient_ = 0;
            return ListLine{ListLineKind::CenterHeading, line};
        }
        return std::nullopt;
    }

    static std::optional<std::int64_t> digits(std::string_view text) {
        if (text.empty() || text.size() > 18)
            return std::nullopt;
        std::int64_t value = 0;
        for (char c : text) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value;
    }

    // "Seed: (N)": N is the seed, or -2147483648 kept as it is.
    static bool isSeedLine(std::string_view line) {
        constexpr std::string_view prefix = "Seed: (";
        if (!line.starts_with(prefix) || !line.ends_with(")"))
            return false;
        const std::string_view number = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (number == "-2147483648")
            return true;
        const auto value = digits(number);
        return value && *value <= 2147483647;
    }

    std::optional<ListLine> patientLine(std::string_view line) const {
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            line.find('\t', firstTab == std::string_view::npos ? line.size() : firstTab + 1);
        if (secondTab == std::string_view::npos)
            return std::nullopt;
        const auto patient = digits(line.substr(0, firstTab));
        const auto arm = digits(line.substr(firstTab + 1, secondTab - firstTab - 1));
        if (!patient || !arm || *arm >= static_cast<std::int64_t>(parts_.descriptions.size()))
            return std::nullopt;
        if (line.substr(secondTab + 1) != parts_.descriptions[static_cast<std::size_t>(*arm)])
            return std::nullopt;
        return ListLine{ListLineKind::PatientLine, line, *patient, static_cast<std::int32_t>(*arm)};
    }

    std::string_view rest_;
    const ListTextParts& parts_;
    std::string headingStart_;
    std::size_t index_ = 0;
    ListLineKind previous_ = ListLineKind::Title;
    std::int64_t lastPatient_ = 0;
    bool failed_ = false;
};

// All lines of a list text, or nullopt when it is no list text.
inline std::optional<std::vector<ListLine>> readListText(std::string_view text, const ListTextParts& parts) {
    ListTextReader reader(text, parts);
    std::vector<ListLine> lines;
    while (const auto line = reader.next())
        lines.push_back(*line);
    if (reader.failed())
        return std::nullopt;
    return lines;
}

// Counts the arms of each block of `blockSize` patients, fed the lines in order: every block must hold
// each arm a exactly its share ratios[a - 1] * blockSize / (sum of the ratios), and no position may be
// left unassigned. REQUIRES: blockSize is a positive multiple of the ratio sum.
class BlockShares {
public:
    BlockShares(std::vector<std::int32_t> ratios, std::int64_t blockSize)
        : ratios_(std::move(ratios)), blockSize_(blockSize), counts_(ratios_.size() + 1, 0) {
        for (std::int32_t ratio : ratios_)
            ratioSum_ += ratio;
    }

    void add(const ListLine& line) {
        if (line.kind != ListLineKind::PatientLine)
            return;
        if ((line.patient - 1) % blockSize_ == 0)
            closeBlock();
        const auto slot = static_cast<std::size_t>(line.arm);
        if (line.arm == 0 || slot > ratios_.size()) {
            fair_ = false;
            return;
        }
        if (counts_[slot]++ == 0)
            seen_.push_back(slot);
    }

    // True when every block fed so far, the last one included, holds its shares.
    [[nodiscard]] bool fair() {
        closeBlock();
        return fair_;
    }

private:
    // Counts that add up to the block size with every seen arm at its share leave the others at 0.
    void closeBlock() {
        for (std::size_t slot : seen_) {
            fair_ = fair_ && counts_[slot] == ratios_[slot - 1] * blockSize_ / ratioSum_;
            counts_[slot] = 0;
        }
        seen_.clear();
    }

    std::vector<std::int32_t> ratios_;
    std::int64_t blockSize_;
    std::int64_t ratioSum_ = 0;
    std::vector<std::int64_t> counts_;
    std::vector<std::size_t> seen_; // the arms of the open block
    bool fair_ = true;
};

} // namespace kelvaron::test
