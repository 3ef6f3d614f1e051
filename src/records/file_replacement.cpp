#include "records/file_replacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "records/posix_file.h"

namespace kalvenor {

namespace fs = std::filesystem;

namespace {

bool inOurGroups(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(0, count), group) != groups.end();
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A fresh file beside the target, created with the permissions a new file would get.
FileValue<OpenFile> createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device entropy;
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        temporary = folderOf(target) / (".kalvenor-save-" + std::to_string(entropy()) + ".tmp");
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return OpenFile(descriptor, temporary);
        }
        error = errno;
    }
    return FileError{FileStep::Create, target, systemError(error)};
}

// Best effort: makes the rename itself survive a crash.
void flushFolder(const fs::path& target) {
    const fs::path folder = folderOf(target);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        OpenFile directory(descriptor, folder);
        (void)directory.flush();  // the file is replaced either way
    }
}

}  // namespace

FileValue<fs::path> followLinks(const fs::path& path, LinkOwners owners) {
    constexpr int kMostLinks = 40;  // as the system itself follows them
    fs::path target = path;
    for (int links = 0; links < kMostLinks; ++links) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            return target;
        }
        if (owners == LinkOwners::OnlyUs && link.st_uid != ::geteuid()) {
            return FileError{FileStep::Open, path, "it is a symbolic link of another user"};
        }
        std::error_code error;
        const fs::path named = fs::read_symlink(target, error);
        if (error) {
            return FileError{FileStep::Open, path, error.message()};
        }
        target = named.is_absolute() ? named : folderOf(target) / named;
    }
    return FileError{FileStep::Open, path, systemError(ELOOP)};
}

bool permissionsLetUsWrite(const struct stat& file) {
    if (file.st_uid == ::geteuid()) {
        return (file.st_mode & S_IWUSR) != 0;
    }
    if (inOurGroups(file.st_gid)) {
        return (file.st_mode & S_IWGRP) != 0;
    }
    return (file.st_mode & S_IWOTH) != 0;
}

FileResult replaceByRename(const fs::path& target, const struct stat* existing,
                           std::span<const std::span<const std::uint8_t>> parts) {
    fs::path temporary;
    FileValue<OpenFile> file = createTemporaryBeside(target, temporary);
    if (!file.ok()) {
        return file.error();
    }
    if (existing != nullptr) {
        ::fchmod(file.value().descriptor(),
                 existing->st_mode & 07777);  // keep the replaced file's permissions
    }
    FileResult result;
    for (const std::span<const std::uint8_t> part : parts) {
        if (result.ok()) {
            result = file.value().writeAll(part);
        }
    }
    if (result.ok()) {
        result = file.value().flush();
    }
    if (FileResult closed = file.value().close(); result.ok()) {
        result = std::move(closed);
    }
    if (result.ok() && ::rename(temporary.c_str(), target.c_str()) != 0) {
        result = FileError{FileStep::Replace, target, systemError(errno)};
    }
    if (!result.ok()) {
        ::unlink(temporary.c_str());
        // The failure is the target's, whatever file the step failed on.
        FileError error = result.error();
        error.path = target;
        return error;
    }
    flushFolder(target);
    return {};
}

}  // namespace kalvenor
