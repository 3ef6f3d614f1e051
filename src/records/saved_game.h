#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

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

// A saved game as read from a file and validated: the header and N = 8^D board bytes, each 0..2.
struct SavedGame {
    GameDataHeader header;
    std::vector<std::uint8_t> board;
};

// Empty when all went well, else a sentence a person understands.
struct FileResult {
    bool ok = true;
    std::string error;
};

// Writes header then board to a temporary file beside `path`, flushes it to disk and renames it
// over `path`. On any failure the previous file at `path` is left untouched and the reason is
// returned. `board` may be empty (a save before any game writes the 48-byte header alone).
FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board);

enum class LoadFailure { None, CannotOpen, Invalid };

struct LoadResult {
    std::optional<SavedGame> game;
    LoadFailure failure = LoadFailure::None;
    std::string reason;  // for Invalid: why the file is not a saved game
};

// Reads and validates a saved game: dimension 2..8, cellCount 8^D, viewCellCount and viewOffset
// that fit the view of that D, guideLevel 0..2, inProgress 0/1, sideToMove and humanSide 1/2,
// mode 0..2, every board byte 0..2, and the file exactly 48 + N bytes long.
LoadResult readSavedGame(const std::filesystem::path& path);

// The same checks on bytes already in memory (the fuzz target and the tests use it).
LoadResult parseSavedGame(std::span<const std::uint8_t> bytes);

}  // namespace kalvenor
