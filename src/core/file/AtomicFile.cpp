#include "core/file/AtomicFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

// The standard library cannot flush a file to the disk, so the write uses the POSIX file calls.

namespace kelvaron {
namespace {

namespace fs = std::filesystem;

// Closes the descriptor and removes the temporary file unless the rename has taken it over.
class TemporaryFile {
public:
    TemporaryFile(int descriptor, fs::path path) : descriptor_(descriptor), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }

    [[nodiscard]] int descriptor() const { return descriptor_; }
    [[nodiscard]] const fs::path& path() const { return path_; }

    [[nodiscard]] bool close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0;
    }
    void markRenamed() { renamed_ = true; }

private:
    int descriptor_;
    fs::path path_;
    bool renamed_ = false;
};

// The file that is finally replaced: a symbolic link is followed so that the link itself survives.
fs::path replacedFile(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A name that no other writer uses at the same time; creation with O_EXCL settles any remaining clash.
fs::path temporaryName(const fs::path& target, unsigned attempt) {
    static std::atomic<std::uint32_t> counter{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string suffix = "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                               std::to_string((ticks + attempt) % 1000000) + ".tmp";
    return folderOf(target) / ("." + target.filename().string() + suffix);
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// After the rename the new content is in place; flushing the folder only makes the rename itself durable,
// so its failure is not reported.
void flushFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// True when `target` exists and the effective user may not write it in place. A missing target, or a path
// through something that is not a folder, is left to the creation of the temporary file to report.
bool writeProtected(const fs::path& target) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0)
        return false;
    return errno != ENOENT && errno != ENOTDIR;
}

} // namespace

WriteFileStatus writeFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = replacedFile(path);
    if (writeProtected(target))
        return WriteFileStatus::Protected;
    constexpr unsigned kAttempts = 16;
    int descriptor = -1;
    fs::path temporaryPath;
    for (unsigned attempt = 0; attempt < kAttempts && descriptor < 0; ++attempt) {
        temporaryPath = temporaryName(target, attempt);
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            return WriteFileStatus::CannotCreate;
    }
    if (descriptor < 0)
        return WriteFileStatus::CannotCreate;
    TemporaryFile temporary(descriptor, temporaryPath);

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(temporary.descriptor(), existing.st_mode & 07777);

    if (!writeAll(temporary.descriptor(), bytes) || ::fsync(temporary.descriptor()) != 0 ||
        !temporary.close())
        return WriteFileStatus::CannotWrite;
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        return WriteFileStatus::CannotReplace;
    temporary.markRenamed();
    flushFolder(folderOf(target));
    return WriteFileStatus::Written;
}

ReadFileResult readWholeFile(const fs::path& path, std::size_t maxBytes) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return {ReadFileStatus::Missing, {}};
    if (error || status.type() != fs::file_type::regular)
        return {ReadFileStatus::Unreadable, {}};
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return {ReadFileStatus::Unreadable, {}};
    if (size > maxBytes)
        return {ReadFileStatus::TooLarge, {}};

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {ReadFileStatus::Unreadable, {}};
    // Read to the end rather than trusting the size taken above: the file may have grown since.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    std::array<char, 64 * 1024> chunk{};
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            return {ReadFileStatus::TooLarge, {}};
    }
    if (in.bad())
        return {ReadFileStatus::Unreadable, {}};
    return {ReadFileStatus::Read, std::move(bytes)};
}

} // namespace kelvaron
