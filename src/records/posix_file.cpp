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

FileValue<OpenFile> OpenFile::open(const std::filesystem::path& path, int flags, mode_t mode) {
    const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (descriptor < 0) {
        return FileError{FileStep::Open, path, systemError(errno)};
    }
    const int status = ::fcntl(descriptor, F_GETFL);
    ::fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK);
    return OpenFile(descriptor, path);
}

OpenFile::OpenFile(int descriptor, std::filesystem::path path)
    : descriptor_(descriptor), path_(std::move(path)) {}

OpenFile::~OpenFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), path_(std::move(other.path_)) {}

FileResult OpenFile::writeAll(std::span<const std::uint8_t> bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return FileError{FileStep::Write, path_, systemError(written < 0 ? errno : EIO)};
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

FileValue<std::size_t> OpenFile::readFully(std::span<std::uint8_t> buffer) const {
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(descriptor_, buffer.data() + total, buffer.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return FileError{FileStep::Read, path_, systemError(errno)};
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return total;
}

FileResult OpenFile::flush() const {
    if (::fsync(descriptor_) != 0) {
        return FileError{FileStep::Write, path_, systemError(errno)};
    }
    return {};
}

FileResult OpenFile::close() {
    if (::close(std::exchange(descriptor_, -1)) != 0) {
        return FileError{FileStep::Write, path_, systemError(errno)};
    }
    return {};
}

}  // namespace kalvenor
