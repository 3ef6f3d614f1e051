#include "records/record_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "records/posix_file.h"

namespace kalvenor {

namespace {

// The kernel's protected-links rule, kept also where the system does not enforce it: in a folder
// every user may write and only owners may delete from (/tmp), a symbolic link is followed only
// when it is ours or the folder's owner's. Another user's link there could aim our record at any
// file we may write.
bool isAnotherUsersLinkInASharedFolder(const std::filesystem::path& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || link.st_uid == ::geteuid()) {
        return false;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    struct stat shared {};
    return ::stat(folder.c_str(), &shared) == 0 && (shared.st_mode & S_ISVTX) != 0 &&
           (shared.st_mode & S_IWOTH) != 0 && link.st_uid != shared.st_uid;
}

}  // namespace

FileResult appendToFile(const std::filesystem::path& path, std::string_view bytes) {
    if (isAnotherUsersLinkInASharedFolder(path)) {
        return FileError{FileStep::Open, path, "it is a symbolic link of another user in a shared folder"};
    }
    // Every write at the end; a pipe without a reader is refused rather than waited for.
    FileValue<OpenFile> file = OpenFile::open(path, O_WRONLY | O_APPEND | O_CREAT, 0666);
    if (!file.ok()) {
        return file.error();
    }
    struct stat before {};
    const bool regular = ::fstat(file.value().descriptor(), &before) == 0 && S_ISREG(before.st_mode);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    FileResult written = file.value().writeAll({data, bytes.size()});
    if (!written.ok() && regular) {
        // A line cut short (on a full disk, in the middle of a character) would garble every
        // line after it: the file goes back to what it held before. If even that fails, the
        // write's own error is the one to report.
        if (::ftruncate(file.value().descriptor(), before.st_size) != 0) {
            return written;
        }
    }
    FileResult closed = file.value().close();
    return written.ok() ? closed : written;
}

}  // namespace kalvenor
