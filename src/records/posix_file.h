#pragma once

// The few POSIX file calls the record and the saved games need. Every failure comes back as a
// FileError naming the step, the file and the system's message.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "records/file_result.h"

namespace kalvenor {

// The text of an errno value ("No space left on device").
std::string systemError(int error);

// An open file, closed on every path out. Knows its path, so that its failures can name it.
class OpenFile {
  public:
    // open(2) that cannot hang on a pipe without a partner: the open itself does not block, the
    // descriptor it returns does.
    static FileValue<OpenFile> open(const std::filesystem::path& path, int flags, mode_t mode = 0);
    // Takes over a descriptor opened elsewhere.
    OpenFile(int descriptor, std::filesystem::path path);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&&) = delete;

    int descriptor() const { return descriptor_; }
    const std::filesystem::path& path() const { return path_; }

    // Every byte, or the failing write.
    FileResult writeAll(std::span<const std::uint8_t> bytes) const;
    // The number of bytes read into `buffer`: fewer only at the end of the file.
    FileValue<std::size_t> readFully(std::span<std::uint8_t> buffer) const;
    // fsync(2): the bytes are on the disk.
    FileResult flush() const;
    // Closes now, reporting what a close reports (a write that failed late, on some file systems).
    FileResult close();

  private:
    int descriptor_;
    std::filesystem::path path_;
};

}  // namespace kalvenor
