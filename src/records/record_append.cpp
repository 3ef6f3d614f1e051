#include "records/record_append.h"

#include <fcntl.h>

#include <cstdint>

#include "records/posix_file.h"

namespace kalvenor {

FileResult appendToFile(const std::filesystem::path& path, std::string_view bytes) {
    // Every write at the end; a pipe without a reader is refused rather than waited for.
    FileValue<OpenFile> file = OpenFile::open(path, O_WRONLY | O_APPEND | O_CREAT, 0666);
    if (!file.ok()) {
        return file.error();
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    FileResult written = file.value().writeAll({data, bytes.size()});
    FileResult closed = file.value().close();
    return written.ok() ? closed : written;
}

}  // namespace kalvenor
