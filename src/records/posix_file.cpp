#include "records/posix_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace kalvenor {

std::string systemError(int error) {
    return std::generic_category().message(error);
}

FileDescriptor::~FileDescriptor() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

int FileDescriptor::close() {
    const int result = ::close(std::exchange(descriptor_, -1));
    return result == 0 ? 0 : errno;
}

FileDescriptor openWithoutWaiting(const std::filesystem::path& path, int flags, mode_t mode) {
    FileDescriptor file(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode));
    if (file.valid()) {
        const int status = ::fcntl(file.get(), F_GETFL);
        ::fcntl(file.get(), F_SETFL, status & ~O_NONBLOCK);
    }
    return file;
}

int writeAll(int descriptor, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

ssize_t readFully(int descriptor, std::span<std::uint8_t> buffer) {
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(descriptor, buffer.data() + total, buffer.size() - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -errno;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(total);
}

}  // namespace kalvenor
