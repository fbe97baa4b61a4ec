// Whole-file reads with a size bound, and writes that replace a file completely or not at all.
// Designs and exported lists are saved through writeFileAtomically, so a failed save never leaves a
// half-written file behind.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaron {

enum class [[nodiscard]] WriteFileStatus{
    Written,
    CannotCreate,  // no temporary file could be created next to the target (missing or read-only folder)
    CannotWrite,   // writing or flushing the temporary file failed (disk full, I/O error)
    CannotReplace, // the temporary file could not be renamed over the target (the target is a folder, ...)
    Protected,     // the target exists and this user may not write it (a read-only file): it is kept
};

// Writes `bytes` to a new temporary file in the target's folder, flushes it to the disk and renames it over
// `path`. A symbolic link at `path` stays a link: the file it points to is replaced. An existing target
// keeps its permissions. An existing target that this user may not write is not replaced, although the rename
// could go around its protection. On any failure the temporary file is removed and the target is left as it
// was.
WriteFileStatus writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

enum class ReadFileStatus {
    Read,
    Missing,    // nothing exists at the path
    Unreadable, // it exists but is not a regular file, or it cannot be opened or read
    TooLarge,   // it holds more than the caller's maximum
};

struct ReadFileResult {
    ReadFileStatus status = ReadFileStatus::Missing;
    std::string bytes; // the whole content when status is Read, otherwise empty
};

// Reads the whole regular file at `path`, refusing it when it holds more than `maxBytes` bytes.
[[nodiscard]] ReadFileResult readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace kelvaron
