#pragma once

// The kept game as a value and the bytes of its history file. The position itself lies in a saved
// game beside it (the base); the history file names that base by the hash of its bytes and lists
// the cells that differ from it now, so that a move on a large board rewrites only this small file.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "game/game_file.h"
#include "game/game_history.h"

namespace kalvenor {

struct KeptGame {
    std::uint8_t baseSlot = 0;   // which of the two base files holds the base: 0 or 1
    std::uint64_t baseHash = 0;  // of the base file's bytes
    std::vector<std::pair<std::int32_t, std::uint8_t>> changedCells;  // cell, value now; by cell
    Moment current;
    std::deque<Step> steps;
    std::deque<UndoneStep> undone;
    GameFile file;  // the game's file and the game as last saved; none in a version 1 file
    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// FNV-1a, 64 bits: names a base by its bytes.
std::uint64_t hashOfBytes(std::span<const std::uint8_t> bytes, std::uint64_t hash = 0xcbf29ce484222325ULL);

std::vector<std::uint8_t> encodeKeptGame(const KeptGame& game);
// The kept game the bytes hold, or what is wrong with them (a foreign file, a damaged or cut one,
// a version we do not know, values out of range). The moves are checked against a board later.
std::pair<std::optional<KeptGame>, std::string> decodeKeptGame(std::span<const std::uint8_t> bytes);

}  // namespace kalvenor
