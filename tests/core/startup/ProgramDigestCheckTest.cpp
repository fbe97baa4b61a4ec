#include "core/startup/ProgramDigestCheck.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

// SHA-256 of "abc".
constexpr std::string_view kAbcDigest = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

struct DigestFileCase {
    const char* what;
    std::string digestFile;
    bool intact;
};

TEST(ProgramDigestCheck, PassesOnlyWhenTheStoredDigestMatchesTheProgramFile) {
    const std::string upper = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";
    const DigestFileCase cases[] = {
        {"digest alone", std::string(kAbcDigest), true},
        {"digest with line end", std::string(kAbcDigest) + "\r\n", true},
        {"sha256sum format", std::string(kAbcDigest) + "  kelvaron.exe\n", true},
        {"upper-case digits", upper, true},
        {"different digest", "ca7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", false},
        {"digest too short", std::string(kAbcDigest.substr(0, 63)), false},
        {"digest too long", std::string(kAbcDigest) + "0", false},
        {"not hexadecimal", "xa7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", false},
        {"leading blank", " " + std::string(kAbcDigest), false},
        {"empty digest file", "", false},
        {"oversized digest file", std::string(kAbcDigest) + "\n" + std::string(5000, ' '), false},
    };
    for (const auto& c : cases) {
        test::ScratchFolder dir;
        const auto program = dir.write("kelvaron.exe", "abc");
        dir.write(kDigestFileName, c.digestFile);
        EXPECT_EQ(ProgramDigestCheck(program).programFileIntact(), c.intact) << c.what;
    }
}

TEST(ProgramDigestCheck, FailsWithoutDigestFileOrProgramFile) {
    test::ScratchFolder dir;
    const auto program = dir.write("kelvaron.exe", "abc");
    EXPECT_FALSE(ProgramDigestCheck(program).programFileIntact());
    dir.write(kDigestFileName, kAbcDigest);
    EXPECT_TRUE(ProgramDigestCheck(program).programFileIntact());
    EXPECT_FALSE(ProgramDigestCheck(dir.path() / "other.exe").programFileIntact());
    EXPECT_FALSE(ProgramDigestCheck(dir.path()).programFileIntact());
}

TEST(ProgramDigestCheck, HashesFilesLargerThanOneReadPiece) {
    test::ScratchFolder dir;
    const auto file = dir.write("big.bin", std::string(1000000, 'a'));
    ASSERT_TRUE(sha256OfFile(file));
    EXPECT_EQ(Sha256::toHex(*sha256OfFile(file)),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

} // namespace
} // namespace kelvaron
