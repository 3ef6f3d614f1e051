#include "records/win32/native_file.h"

#include <algorithm>

namespace kalvenor::win32 {

namespace {

// One call moves at most this much, well inside the DWORD that the calls take.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

}  // namespace

DWORD writeAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto size = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), size, &written, nullptr)) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        bytes = bytes.subspan(written);
    }
    return 0;
}

std::size_t readFully(HANDLE file, std::span<std::uint8_t> buffer, DWORD& error) {
    error = 0;
    std::size_t total = 0;
    while (total < buffer.size()) {
        const auto size = static_cast<DWORD>(std::min(buffer.size() - total, kLargestTransfer));
        DWORD got = 0;
        if (!ReadFile(file, buffer.data() + total, size, &got, nullptr)) {
            error = GetLastError();
            break;
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

}  // namespace kalvenor::win32
