#include "core/text/Sha256.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

struct Vector {
    std::string message;
    const char* digest;
};

TEST(Sha256, ReproducesTheStandardTestVectors) {
    const Vector vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        // Lengths around the end of a block, where the padding needs one block or two.
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& v : vectors)
        EXPECT_EQ(Sha256::hexOf(v.message), v.digest) << v.message.size() << " bytes";
}

TEST(Sha256, GivesTheSameDigestWhateverThePiecesTheInputComesIn) {
    std::string message;
    for (int i = 0; i < 300; ++i)
        message.push_back(static_cast<char>(i * 7));
    const std::string whole = Sha256::hexOf(message);
    for (const std::size_t piece : {1u, 55u, 56u, 63u, 64u, 65u, 129u}) {
        Sha256 sha;
        for (std::size_t at = 0; at < message.size(); at += piece)
            sha.update(std::string_view(message).substr(at, piece));
        EXPECT_EQ(Sha256::toHex(sha.finish()), whole) << piece;
    }
}

} // namespace
} // namespace kelvaron
