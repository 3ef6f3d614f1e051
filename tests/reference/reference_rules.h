#pragma once

// The rules written as literally as possible: every scan builds its own direction table and
// coordinate arrays and walks positions as coordinates, every search visits every cell. It is
// slow on purpose and shares no code with the engine, which the tests hold to it.

#include <cstdint>
#include <functional>
#include <vector>

namespace kalvenor::reference {

using Cells = std::vector<std::uint8_t>;  // one CellState byte per cell: 0 Empty, 1 First, 2 Second

std::int32_t integerPower(std::int32_t base, std::int32_t exponent);
std::int32_t cellIndex(const std::int32_t* coordinates, int dimension);
int cellCoordinates(std::int32_t index, std::int32_t* coordinates, int dimension, std::int32_t cellCount);
// K rows of D components, row after row.
std::vector<std::int32_t> directionTable(int dimension);

int isLegalMove(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                std::uint8_t side);
std::int32_t countEnclosed(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                           std::uint8_t side);
int turnEnclosed(int dimension, std::int32_t cellCount, Cells& board, std::int32_t cell, std::uint8_t side);

int hasFiveFrom(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                std::uint8_t side);
// hasFiveFrom for every cell in order; then, because that misses a five filling a line of exactly
// five cells, also every run of five counted along each direction from each cell (c included).
int hasFiveAnywhere(int dimension, std::int32_t cellCount, const Cells& board, std::uint8_t side);
int isBoardFull(const Cells& board, std::int32_t cellCount);
std::int32_t countStones(const Cells& board, std::int32_t cellCount, std::uint8_t side);

}  // namespace kalvenor::reference
