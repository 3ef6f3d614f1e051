#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "records/file_result.h"

namespace kalvenor {

// The twelve little-endian signed 32-bit words at the start of a saved game, in file order.
struct GameDataHeader {
    std::int32_t dimension = 0;
    std::int32_t cellCount = 0;
    std::int32_t viewCellCount = 0;
    std::int32_t viewOffset = 0;
    std::int32_t guideLevel = 0;
    std::int32_t inProgress = 0;
    std::int32_t sideToMove = 0;
    std::int32_t stoneCount = 0;
    std::int32_t turnNumberFirst = 0;
    std::int32_t turnNumberSecond = 0;
    std::int32_t humanSide = 0;
    std::int32_t mode = 0;

    bool operator==(const GameDataHeader&) const = default;
};

inline constexpr std::size_t kGameDataHeaderSize = 48;

// The stone count and the turn numbers of a saved game stay within 0..2^30: far beyond any game
// (8^8 cells, two turns a cell), and far enough below the 32-bit limit that play never overflows.
inline constexpr std::int32_t kLargestCounter = std::int32_t{1} << 30;

// A saved game as read from a file and validated: the header and N = 8^D board bytes, each 0..2.
struct SavedGame {
    GameDataHeader header;
    std::vector<std::uint8_t> board;
};

// Writes header then board to a temporary file beside `path`, flushes it to disk and renames it
// over `path`; through a symbolic link, the file it names is written (and created when missing).
// A file the user may not write is not replaced. On any failure the previous file at `path` is
// left untouched. `board` may be empty (the 48-byte header alone).
FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board);

// Reads and validates a saved game: dimension 2..8, cellCount 8^D, viewCellCount and viewOffset
// that fit the view of that D, guideLevel 0..2, inProgress 0/1, sideToMove and humanSide 1/2,
// mode 0..2, stoneCount and both turn numbers 0..kLargestCounter, every board byte 0..2, and the
// file exactly 48 + N bytes long. A file that is not a saved game fails with FileStep::Check.
FileValue<SavedGame> readSavedGame(const std::filesystem::path& path);

// The same checks on bytes already in memory (the fuzz target and the tests use it); the error
// names no file.
FileValue<SavedGame> parseSavedGame(std::span<const std::uint8_t> bytes);

}  // namespace kalvenor
