#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace kalvenor {

// The few POSIX file calls the record and the saved games need, with their errors as errno values
// so that every failure can be told to the user.

// The text of an errno value ("No space left on device").
std::string systemError(int error);

// A file descriptor closed on every path out; close() reports the error of an explicit close.
class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    // 0 when closed cleanly, else the errno of the close.
    int close();

  private:
    int descriptor_;
};

// open(2) that cannot hang on a pipe without a partner: the open itself does not block, the
// descriptor it returns does. Invalid with errno set on failure.
FileDescriptor openWithoutWaiting(const std::filesystem::path& path, int flags, mode_t mode = 0);

// 0 when every byte was written, else the errno of the failing write.
int writeAll(int descriptor, std::span<const std::uint8_t> bytes);

// The number of bytes read into `buffer` (fewer only at the end of the file), or -errno.
ssize_t readFully(int descriptor, std::span<std::uint8_t> buffer);

}  // namespace kalvenor
