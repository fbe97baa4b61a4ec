// SHA-256 (FIPS 180-4) of a byte stream fed in pieces of any size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaron {

class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    void update(std::string_view bytes);
    // The digest of everything fed so far. The object is spent afterwards.
    [[nodiscard]] Digest finish();

    // The digest as 64 lower-case hexadecimal digits.
    [[nodiscard]] static std::string toHex(const Digest& digest);
    // The digest of `bytes` as 64 lower-case hexadecimal digits, as sha256sum prints it.
    [[nodiscard]] static std::string hexOf(std::string_view bytes);

private:
    void compressBlock();

    std::array<std::uint32_t, 8> state_ = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                           0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::array<std::uint8_t, 64> block_{};
    std::size_t blockFill_ = 0;
    std::uint64_t totalBytes_ = 0;
};

} // namespace kelvaron
