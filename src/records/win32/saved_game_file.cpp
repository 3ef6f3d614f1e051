// Saved games on Windows: the same contracts as on Linux, through the wide-character API.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "records/saved_game.h"
#include "records/saved_game_format.h"
#include "records/win32/file_replacement.h"
#include "records/win32/native_file.h"
#include "records/win32/wide_text.h"

namespace kalvenor {

namespace {

using win32::systemFailure;

}  // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board) {
    if (std::string problem = boardSizeProblem(header, board); !problem.empty()) {
        return FileError{FileStep::Write, path, std::move(problem)};
    }
    const std::array<std::uint8_t, kGameDataHeaderSize> headerBytes = encodeGameDataHeader(header);
    const std::span<const std::uint8_t> parts[] = {headerBytes, board};
    return win32::replaceFile(path, parts);
}

FileValue<SavedGame> readSavedGame(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    win32::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return systemFailure(FileStep::Open, path, GetLastError());
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return notAFileRefusal(path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return systemFailure(FileStep::Read, path, GetLastError());
    }
    const auto readFully = [&](std::span<std::uint8_t> buffer) -> FileValue<std::size_t> {
        DWORD error = 0;
        const std::size_t count = win32::readFully(file.get(), buffer, error);
        if (error != 0) {
            return systemFailure(FileStep::Read, path, error);
        }
        return count;
    };
    return readSavedGameFrom(path, {static_cast<std::uint64_t>(size.QuadPart), readFully});
}

}  // namespace kalvenor
