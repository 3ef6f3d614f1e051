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
            break;
    }
    return {X, X, E, E, O, O, O, O};
}

}  // namespace

std::string_view patternName(DensePattern pattern) {
    switch (pattern) {
        case DensePattern::Columns:
            return "columns";
        case DensePattern::Triples:
            return "triples";
        case DensePattern::Standoff:
            break;
    }
    return "standoff";
}

Board densePosition(int dimension, DensePattern pattern) {
    Board board(dimension);
    const std::array<CellState, kAxisLength> line = lineOf(pattern);
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        bool brokenLine = false;
        for (int axis = 1; axis < dimension; ++axis) {
            brokenLine = brokenLine || coordinateOf(cell, axis) == 4;
        }
        if (!brokenLine) {
            board.set(cell, line[static_cast<std::size_t>(coordinateOf(cell, 0))]);
        }
    }
    return board;
}

}  // namespace kalvenor::bench
