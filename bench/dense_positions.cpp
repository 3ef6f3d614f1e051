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

// Empty, First or Second, a third each, from a fixed hash of the cell (splitmix64's finaliser).
CellState scatteredState(std::int32_t cell) {
    std::uint64_t z = static_cast<std::uint64_t>(cell) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<CellState>((z ^ (z >> 31)) % 3);
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
        bool brokenLine = false;
        for (int axis = 1; axis < dimension; ++axis) {
            brokenLine = brokenLine || coordinateOf(cell, axis) == 4;
        }
        if (brokenLine) {
            continue;
        }
        const int x = coordinateOf(cell, 0);
        CellState state = line[static_cast<std::size_t>(x)];
        if (pattern == DensePattern::Scattered) {
            state = scatteredState(cell);
            // A fifth stone in a row along axis 0 is left out.
            bool fifth = x >= 4 && state != CellState::Empty;
            for (int back = 1; back <= 4 && fifth; ++back) {
                fifth = board[cell - back] == state;
            }
            if (fifth) {
                state = CellState::Empty;
            }
        }
        board.set(cell, state);
    }
    return board;
}

}  // namespace kalvenor::bench
