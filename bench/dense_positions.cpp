#include "bench/dense_positions.h"

#include <array>

#include "engine/coordinates.h"

namespace kalvenor::bench {

namespace {

// The stone at each coordinate along axis 0.
std::array<CellState, kAxisLength> lineOf(DensePattern pattern) {
    constexpr CellState E = CellState::Empty;
    constexpr CellState X = CellState::First;
    constexpr CellState O = CellState::Second;
    switch (pattern) {
        case DensePattern::Columns:
            return {X, O, E, E, E, X, O, E};
        case DensePattern::Triples:
            return {X, O, E, X, O, E, X, O};
        case DensePattern::Standoff:
        case DensePattern::Scattered:
            break;
    }
    return {X, X, E, E, O, O, O, O};
}

// A fixed hash of the cell and a seed (splitmix64's finaliser).
std::uint64_t hashOf(std::int32_t cell, std::uint64_t seed) {
    std::uint64_t z = static_cast<std::uint64_t>(cell) * 0x9E3779B97F4A7C15ULL + seed;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Empty, First or Second, a third each.
CellState scatteredState(std::int32_t cell) {
    return static_cast<CellState>(hashOf(cell, 0) % 3);
}

// Whether `state` at `cell` would be the fifth stone in a row along axis 0.
bool makesFifth(const Board& board, std::int32_t cell, CellState state) {
    bool fifth = coordinateOf(cell, 0) >= 4 && state != CellState::Empty;
    for (int back = 1; back <= 4 && fifth; ++back) {
        fifth = board[cell - back] == state;
    }
    return fifth;
}

// Whether a coordinate of 4 on an axis above 0 breaks every line through `cell` that could make five.
bool onBrokenLine(int dimension, std::int32_t cell) {
    bool broken = false;
    for (int axis = 1; axis < dimension; ++axis) {
        broken = broken || coordinateOf(cell, axis) == 4;
    }
    return broken;
}

}  // namespace

std::string_view patternName(DensePattern pattern) {
    switch (pattern) {
        case DensePattern::Columns:
            return "columns";
        case DensePattern::Triples:
            return "triples";
        case DensePattern::Standoff:
            return "standoff";
        case DensePattern::Scattered:
            break;
    }
    return "scattered";
}

Board densePosition(int dimension, DensePattern pattern) {
    Board board(dimension);
    const std::array<CellState, kAxisLength> line = lineOf(pattern);
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (onBrokenLine(dimension, cell)) {
            continue;
        }
        CellState state = line[static_cast<std::size_t>(coordinateOf(cell, 0))];
        if (pattern == DensePattern::Scattered) {
            state = scatteredState(cell);
            if (makesFifth(board, cell, state)) {
                state = CellState::Empty;
            }
        }
        board.set(cell, state);
    }
    return board;
}

Board randomFilling(int dimension, int stonesPercent) {
    Board board(dimension);
    const auto seed = static_cast<std::uint64_t>(stonesPercent);
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (onBrokenLine(dimension, cell)) {
            continue;
        }
        const std::uint64_t hash = hashOf(cell, seed);
        const bool corner = cell == 0 || cell == 7 || cell == 56 || cell == 63;
        if (!corner && static_cast<int>(hash % 100) >= stonesPercent) {
            continue;
        }
        CellState state = (hash >> 32) % 2 == 0 ? CellState::First : CellState::Second;
        if (makesFifth(board, cell, state)) {
            state = corner ? otherSide(state) : CellState::Empty;
        }
        board.set(cell, state);
    }
    return board;
}

}  // namespace kalvenor::bench
