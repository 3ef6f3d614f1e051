#pragma once

// Boards for the engine tests: built from positions, drawn at random in several shapes, copied
// for the reference, shrunk to a small failing case and printed.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/coordinates.h"
#include "engine/standard_opening.h"
#include "reference/reference_rules.h"

namespace kalvenor::testing {

struct Stone {
    std::vector<std::int32_t> position;  // axis 0 first
    CellState side;
};

inline std::int32_t at(std::initializer_list<std::int32_t> position) {
    const std::vector<std::int32_t> coordinates(position);
    return cellIndex(coordinates, static_cast<int>(coordinates.size()));
}

inline Board boardWith(int dimension, std::initializer_list<Stone> stones) {
    Board board(dimension);
    for (const Stone& stone : stones) {
        board.set(cellIndex(stone.position, dimension), stone.side);
    }
    return board;
}

inline reference::Cells cellsOf(const Board& board) {
    return reference::Cells(board.bytes().begin(), board.bytes().end());
}

enum class Shape { Empty, Sparse, Dense, Full, Loaded };

inline const char* shapeName(Shape shape) {
    switch (shape) {
        case Shape::Empty:
            return "empty";
        case Shape::Sparse:
            return "sparse";
        case Shape::Dense:
            return "dense";
        case Shape::Full:
            return "full";
        case Shape::Loaded:
            return "loaded";
    }
    return "?";
}

// A random board of the given shape. "Loaded" looks like a game in progress: the standard opening
// with a cluster of stones grown around it and a few stray ones.
inline Board randomBoard(int dimension, Shape shape, std::uint32_t seed) {
    Board board(dimension);
    std::mt19937 random(seed);
    const std::int32_t cells = board.cellCount();
    auto side = [&] { return random() % 2 == 0 ? CellState::First : CellState::Second; };
    auto fillWithProbability = [&](double probability) {
        std::bernoulli_distribution occupied(probability);
        for (std::int32_t cell = 0; cell < cells; ++cell) {
            if (occupied(random)) {
                board.set(cell, side());
            }
        }
    };
    switch (shape) {
        case Shape::Empty:
            break;
        case Shape::Sparse:
            fillWithProbability(dimension <= 3 ? 0.12 : 0.03);
            break;
        case Shape::Dense:
            fillWithProbability(0.7);
            break;
        case Shape::Full:
            fillWithProbability(1.0);
            break;
        case Shape::Loaded: {
            placeStandardOpening(board);
            std::uniform_int_distribution<int> near(2, 5);
            const int clustered = 2 * (1 << dimension);
            for (int n = 0; n < clustered; ++n) {
                std::int32_t cell = 0;
                for (int axis = 0; axis < dimension; ++axis) {
                    cell += near(random) << (3 * axis);
                }
                board.set(cell, side());
            }
            std::uniform_int_distribution<std::int32_t> anywhere(0, cells - 1);
            for (int n = 0; n < 8; ++n) {
                board.set(anywhere(random), side());
            }
            break;
        }
    }
    return board;
}

// Each cell Empty with probability `emptyShare`, else a stone of either side. With `fiveFree`,
// every cell with a coordinate of 4 on an axis above 0 stays Empty, which breaks every line but
// those along axis 0, and a fifth stone in a row along axis 0 is left out.
inline Board filledBoard(int dimension, double emptyShare, bool fiveFree, std::mt19937& random) {
    Board board(dimension);
    std::bernoulli_distribution empty(emptyShare);
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        bool broken = false;
        for (int axis = 1; axis < dimension; ++axis) {
            broken = broken || (fiveFree && coordinateOf(cell, axis) == 4);
        }
        if (broken || empty(random)) {
            continue;
        }
        const CellState side = random() % 2 == 0 ? CellState::First : CellState::Second;
        bool fifth = fiveFree && coordinateOf(cell, 0) >= 4;
        for (int back = 1; back <= 4 && fifth; ++back) {
            fifth = board[cell - back] == side;
        }
        if (!fifth) {
            board.set(cell, side);
        }
    }
    return board;
}

inline Board copyOf(const Board& board) {
    Board copy(board.dimension());
    copy.assign(board.bytes());
    return copy;
}

// Removes stones one at a time while `fails` still holds, so that a failure can be shown on a
// board with few stones.
inline Board shrink(const Board& failing, const std::function<bool(Board&)>& fails) {
    Board board = copyOf(failing);
    bool removed = true;
    while (removed) {
        removed = false;
        for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
            const CellState state = board[cell];
            if (state == CellState::Empty) {
                continue;
            }
            board.set(cell, CellState::Empty);
            if (fails(board)) {
                removed = true;
            } else {
                board.set(cell, state);
            }
        }
    }
    return board;
}

// The stones of a board as text: a grid in two dimensions, else one position per stone.
inline std::string boardPicture(const Board& board) {
    std::ostringstream out;
    out << "D=" << board.dimension() << ' ';
    if (board.dimension() == 2) {
        for (int row = 0; row < 8; ++row) {
            out << '\n';
            for (int column = 0; column < 8; ++column) {
                out << ".XO"[static_cast<int>(board[column + 8 * row])];
            }
        }
        return out.str();
    }
    board.forEachStone([&](std::int32_t cell, CellState state) {
        out << (state == CellState::First ? "X(" : "O(");
        for (int axis = 0; axis < board.dimension(); ++axis) {
            out << (axis > 0 ? "," : "") << coordinateOf(cell, axis);
        }
        out << ") ";
    });
    return out.str();
}

}  // namespace kalvenor::testing
