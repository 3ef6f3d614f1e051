#pragma once

// The few Win32 file calls the record and the saved games need, with wide paths throughout.

#include <windows.h>

#include <cstdint>
#include <span>
#include <utility>

namespace kalvenor::win32 {

// A file handle closed on every path out; close() reports the error of an explicit close.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // 0 when closed cleanly, else the system's error code.
    DWORD close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) ? 0 : GetLastError(); }

  private:
    HANDLE handle_;
};

// 0 when every byte was written, else the system's error code of the failing write.
DWORD writeAll(HANDLE file, std::span<const std::uint8_t> bytes);

// The number of bytes read into `buffer` (fewer only at the end of the file); the system's error
// code in `error` (0 when all went well).
std::size_t readFully(HANDLE file, std::span<std::uint8_t> buffer, DWORD& error);

}  // namespace kalvenor::win32
