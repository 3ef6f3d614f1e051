#pragma once

#include <array>
#include <cstdint>
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

}  // namespace kalvenor
