#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "records/saved_game.h"

namespace kalvenor {

// The byte layout of a saved game, shared by the file reader, the parser of bytes in memory and
// the writer. Words are little-endian whatever the host's byte order.

std::array<std::uint8_t, kGameDataHeaderSize> encodeGameDataHeader(const GameDataHeader& header);
GameDataHeader decodeGameDataHeader(std::span<const std::uint8_t, kGameDataHeaderSize> bytes);

// What is wrong with the start of a file of `fileSize` bytes whose first bytes (up to the whole
// header) are `leadingBytes`, before any of the board is read: empty when the header is sound and
// the file has exactly the length its dimension needs.
std::string gameDataHeaderProblem(std::span<const std::uint8_t> leadingBytes, std::uint64_t fileSize);

// What keeps `board` from being written under `header`: empty when it has the header's cell count.
std::string boardSizeProblem(const GameDataHeader& header, std::span<const std::uint8_t> board);

// What is wrong with the board bytes: empty when every byte is a cell value 0..2.
std::string boardBytesProblem(std::span<const std::uint8_t> board);

// An opened file as the saved-game reader sees it on every system: its length when it was
// opened, and reads that fill `buffer` unless the file ends first (the count read) or fail.
struct ByteSource {
    std::uint64_t size = 0;
    std::function<FileValue<std::size_t>(std::span<std::uint8_t>)> readFully;
};

// Reads and validates the saved game that `source` holds; `path` names the file in every refusal.
// Nothing is allocated beyond the length that the header's dimension needs.
FileValue<SavedGame> readSavedGameFrom(const std::filesystem::path& path, const ByteSource& source);

// The refusal of a device or a pipe: only a file has a length to check before reading.
FileError notAFileRefusal(const std::filesystem::path& path);

}  // namespace kalvenor
