// Every folder of tests/data is one design with the list it must give, byte for byte: a new case is a
// new folder. `arguments` holds the generate options, `expected.txt` the list as the list view holds it
// (Windows-1252, LF), `expected-export.txt` the exported file (Windows-1252, CR LF) and
// `expected-messages.txt` what the tool reports on standard error.
#include "RunCli.h"
#include "cli/Cli.h"
#include "core/text/CodePage.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace kelvaron::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenRoot = KELVARON_GOLDEN_DIR;

std::vector<std::string> goldenCases() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGoldenRoot))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

class GoldenList : public testing::TestWithParam<std::string> {
protected:
    [[nodiscard]] fs::path file(std::string_view name) const { return kGoldenRoot / GetParam() / name; }

    // generate DESIGN ARGUMENTS... EXTRA...; returns exit code, standard output, standard error.
    [[nodiscard]] std::tuple<int, std::string, std::string> generate(std::vector<std::string> extra) const {
        std::vector<std::string> args{"generate", file("design.kvd").string()};
        for (auto& word : words(test::readBytes(file("arguments"))))
            args.push_back(word);
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = runTool(args);
        return {run.exitCode, run.out, run.err};
    }
};

TEST_P(GoldenList, TheListViewsTextIsUnchanged) {
    const auto [code, out, err] = generate({});
    EXPECT_NE(code, kExitUsage);
    EXPECT_EQ(out, utf8FromCp1252(test::readBytes(file("expected.txt"))));
    EXPECT_EQ(err, test::readBytes(file("expected-messages.txt")));
}

TEST_P(GoldenList, TheExportedFileIsUnchanged) {
    test::ScratchFolder dir;
    const auto exported = dir / "liste.txt";
    const auto [code, out, err] = generate({"-o", exported.string()});
    EXPECT_NE(code, kExitUsage);
    EXPECT_EQ(out, "");
    EXPECT_EQ(test::readBytes(exported), test::readBytes(file("expected-export.txt")));
}

INSTANTIATE_TEST_SUITE_P(Designs, GoldenList, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<std::string>& testCase) {
                             std::string name = testCase.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace kelvaron::cli
