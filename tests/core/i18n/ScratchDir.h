// A fresh, empty folder under the system's temporary folder for one test, removed with everything in
// it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace kelvaron::test {

class ScratchDir {
public:
    ScratchDir() {
        std::random_device entropy;
        path_ = std::filesystem::temp_directory_path() / ("kelvaron-test-" + std::to_string(entropy()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    // Writes `bytes` unchanged into the file `name` of this folder and returns its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path path_;
};

} // namespace kelvaron::test
