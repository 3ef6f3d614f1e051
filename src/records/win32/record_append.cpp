#include "records/record_append.h"

#include <cstdint>

#include "records/win32/native_file.h"
#include "records/win32/wide_text.h"

namespace kalvenor {

FileResult appendToFile(const std::filesystem::path& path, std::string_view bytes) {
    // Append access alone: every write lands at the end, whoever else writes the file. Others may
    // read and write it meanwhile, as with the runtime's own append mode.
    win32::FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return FileError{FileStep::Open, path, win32::systemMessage(GetLastError())};
    }
    LARGE_INTEGER before{};
    const bool sized = GetFileSizeEx(file.get(), &before) != 0;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    DWORD error = win32::writeAll(file.get(), {data, bytes.size()});
    if (error != 0 && sized) {
        // A line cut short would garble every line after it: the file goes back to what it held.
        win32::FileHandle cut(CreateFileW(path.c_str(), FILE_WRITE_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (cut.valid() && SetFilePointerEx(cut.get(), before, nullptr, FILE_BEGIN)) {
            SetEndOfFile(cut.get());
        }
    }
    if (const DWORD closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error != 0) {
        return FileError{FileStep::Write, path, win32::systemMessage(error)};
    }
    return {};
}

}  // namespace kalvenor
