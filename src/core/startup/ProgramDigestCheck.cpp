#include "core/startup/ProgramDigestCheck.h"

#include "core/file/AtomicFile.h"

#include <fstream>
#include <vector>

namespace kelvaron {
namespace {

// A digest file holds one line; anything much longer is not one.
constexpr std::size_t kMaxDigestFileBytes = 4096;

std::optional<std::uint8_t> hexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    return std::nullopt;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::optional<Sha256::Digest> sha256OfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    Sha256 sha;
    std::vector<char> buffer(64 * 1024);
    while (file) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        sha.update(std::string_view(buffer.data(), static_cast<std::size_t>(file.gcount())));
    }
    if (file.bad())
        return std::nullopt;
    return sha.finish();
}

std::optional<Sha256::Digest> parseDigestFile(std::string_view content) {
    Sha256::Digest digest{};
    const std::size_t digits = digest.size() * 2;
    if (content.size() < digits || (content.size() > digits && !isBlank(content[digits])))
        return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const auto high = hexValue(content[2 * i]);
        const auto low = hexValue(content[2 * i + 1]);
        if (!high || !low)
            return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(*high << 4 | *low);
    }
    return digest;
}

bool ProgramDigestCheck::programFileIntact() {
    const ReadFileResult digestFile = readWholeFile(
        programFile_.parent_path() / std::filesystem::path(kDigestFileName), kMaxDigestFileBytes);
    if (digestFile.status != ReadFileStatus::Read)
        return false;
    const auto expected = parseDigestFile(digestFile.bytes);
    if (!expected)
        return false;
    const auto actual = sha256OfFile(programFile_);
    return actual && *actual == *expected;
}

} // namespace kelvaron
