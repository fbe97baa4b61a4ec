// What the fuzz targets share: the invariant check and a scratch folder for the files they read.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace kelvaron::fuzz {

// A violated invariant is a crash, so libFuzzer keeps the input that caused it.
inline void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

// One folder per process, in memory where the system has /dev/shm: every input is written to disk and
// saved again, and flushing to a real disk would dominate the run time.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
        path_ = base / ("kelvaron-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    // Replaces the file `name` of the folder by `bytes` and returns its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        require(static_cast<bool>(out));
        return file;
    }

    // True when the folder holds nothing but the file `name`: no temporary file was left behind.
    [[nodiscard]] bool holdsOnly(std::string_view name) const {
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            if (entry.path().filename() != name)
                return false;
        }
        return true;
    }

private:
    std::filesystem::path path_;
};

} // namespace kelvaron::fuzz
