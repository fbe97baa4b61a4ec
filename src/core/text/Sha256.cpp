#include "core/text/Sha256.h"

namespace kelvaron {
namespace {

constexpr std::array<std::uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::uint32_t rotr(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

} // namespace

void Sha256::update(std::string_view bytes) {
    totalBytes_ += bytes.size();
    for (const char byte : bytes) {
        block_[blockFill_++] = static_cast<std::uint8_t>(byte);
        if (blockFill_ == block_.size())
            compressBlock();
    }
}

Sha256::Digest Sha256::finish() {
    const std::uint64_t totalBits = totalBytes_ * 8;
    block_[blockFill_++] = 0x80;
    if (blockFill_ > 56) {
        while (blockFill_ < 64)
            block_[blockFill_++] = 0;
        compressBlock();
    }
    while (blockFill_ < 56)
        block_[blockFill_++] = 0;
    for (int shift = 56; shift >= 0; shift -= 8)
        block_[blockFill_++] = static_cast<std::uint8_t>(totalBits >> shift);
    compressBlock();

    Digest digest{};
    for (std::size_t i = 0; i < state_.size(); ++i) {
        for (std::size_t k = 0; k < 4; ++k)
            digest[i * 4 + k] = static_cast<std::uint8_t>(state_[i] >> (24 - 8 * k));
    }
    return digest;
}

void Sha256::compressBlock() {
    std::array<std::uint32_t, 64> w{};
    for (std::size_t t = 0; t < 16; ++t) {
        w[t] = std::uint32_t{block_[4 * t]} << 24 | std::uint32_t{block_[4 * t + 1]} << 16 |
               std::uint32_t{block_[4 * t + 2]} << 8 | std::uint32_t{block_[4 * t + 3]};
    }
    for (std::size_t t = 16; t < 64; ++t) {
        const std::uint32_t s0 = rotr(w[t - 15], 7) ^ rotr(w[t - 15], 18) ^ (w[t - 15] >> 3);
        const std::uint32_t s1 = rotr(w[t - 2], 17) ^ rotr(w[t - 2], 19) ^ (w[t - 2] >> 10);
        w[t] = w[t - 16] + s0 + w[t - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, h] = state_;
    for (std::size_t t = 0; t < 64; ++t) {
        const std::uint32_t s1 = rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25);
        const std::uint32_t choose = (e & f) ^ (~e & g);
        const std::uint32_t t1 = h + s1 + choose + kRoundConstants[t] + w[t];
        const std::uint32_t s0 = rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22);
        const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const std::uint32_t t2 = s0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    const std::array<std::uint32_t, 8> working = {a, b, c, d, e, f, g, h};
    for (std::size_t i = 0; i < state_.size(); ++i)
        state_[i] += working[i];
    blockFill_ = 0;
}

std::string Sha256::toHex(const Digest& digest) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : digest) {
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0x0F]);
    }
    return hex;
}

std::string Sha256::hexOf(std::string_view bytes) {
    Sha256 sha;
    sha.update(bytes);
    return toHex(sha.finish());
}

} // namespace kelvaron
