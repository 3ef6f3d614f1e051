#include "records/own_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "records/file_replacement.h"
#include "records/posix_file.h"

namespace kalvenor {

namespace fs = std::filesystem;

FileResult replaceOwnFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const std::span<const std::uint8_t> parts[] = {bytes};
    return replaceByRename(path, nullptr, parts);
}

FileValue<std::vector<std::uint8_t>> readOwnFile(const fs::path& path, std::size_t largest) {
    FileValue<OpenFile> opened = OpenFile::open(path, O_RDONLY);
    if (!opened.ok()) {
        return opened.error();
    }
    struct stat status {};
    if (::fstat(opened.value().descriptor(), &status) != 0) {
        return FileError{FileStep::Read, path, systemError(errno)};
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{FileStep::Check, path, "it is not a regular file"};
    }
    if (static_cast<std::uint64_t>(status.st_size) > largest) {
        return FileError{FileStep::Check, path,
                         "the file is longer than " + std::to_string(largest) + " bytes"};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    const FileValue<std::size_t> read = opened.value().readFully(bytes);
    if (!read.ok()) {
        return read.error();
    }
    bytes.resize(read.value());
    return bytes;
}

}  // namespace kalvenor
