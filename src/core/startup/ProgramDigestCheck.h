// The integrity check of the program file: its SHA-256 digest must equal the one shipped beside it in
// "kelvaron.sha256".
#pragma once

#include "core/platform/IntegrityCheck.h"
#include "core/text/Sha256.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace kelvaron {

inline constexpr std::string_view kDigestFileName = "kelvaron.sha256";

// The SHA-256 digest of the regular file at `path`, read in pieces; nullopt when it cannot be read.
[[nodiscard]] std::optional<Sha256::Digest> sha256OfFile(const std::filesystem::path& path);

// The digest written in a digest file's content: its first word, 64 hexadecimal digits in either letter
// case, optionally followed by blanks and a file name as sha256sum writes it. nullopt for anything else.
[[nodiscard]] std::optional<Sha256::Digest> parseDigestFile(std::string_view content);

class ProgramDigestCheck : public IntegrityCheck {
public:
    explicit ProgramDigestCheck(std::filesystem::path programFile) : programFile_(std::move(programFile)) {}

    // False when the digest file is missing, unreadable or malformed, when the program file cannot be
    // read, or when the digests differ.
    [[nodiscard]] bool programFileIntact() override;

private:
    std::filesystem::path programFile_;
};

} // namespace kelvaron
