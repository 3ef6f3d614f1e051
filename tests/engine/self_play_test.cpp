// Self-play signatures: the computer against itself from the standard opening (First choosing the
// fewest stones, Second the most), to the first five, a full board or two passes in a row. The
// move count, winner and board hash are pinned, and the reference reaches the same ones.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <span>
#include <vector>

#include "board_fixtures.h"
#include "cpu/move_choice.h"
#include "engine/enclosure.h"
#include "engine/five.h"
#include "engine/standard_opening.h"
#include "reference/reference_players.h"
#include "reference/reference_rules.h"

namespace kalvenor::testing {
namespace {

struct Signature {
    int moves = 0;   // stones placed after the opening
    int winner = 0;  // 1 First, 2 Second, 0 none (a full board or two passes)
    std::uint64_t hash = 0;
    friend bool operator==(const Signature&, const Signature&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Signature& s) {
        return out << "{" << s.moves << ", " << s.winner << ", 0x" << std::hex << s.hash << std::dec << "}";
    }
};

// FNV-1a over the cell bytes.
std::uint64_t boardHash(std::span<const std::uint8_t> cells) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t cell : cells) {
        hash = (hash ^ cell) * 0x100000001b3ULL;
    }
    return hash;
}

// With `untilFive` false the fives are ignored and the game runs until the board is full or both
// sides pass: a long game that exercises the choices on crowded boards.
Signature playWithEngine(int dimension, bool untilFive) {
    Board board(dimension);
    placeStandardOpening(board);
    Signature signature;
    CellState side = CellState::First;
    int passesInARow = 0;
    std::vector<std::int32_t> changed;
    bool fiveStands[3] = {false, false, false};
    while (passesInARow < 2) {
        const std::int32_t cell =
            side == CellState::First ? chooseFewestEnclosing(board, side) : chooseMostEnclosing(board, side);
        if (cell < 0) {
            ++passesInARow;
            side = otherSide(side);
            continue;
        }
        passesInARow = 0;
        board.set(cell, side);
        changed.assign(1, cell);
        turnEnclosed(board, cell, side, &changed);
        ++signature.moves;
        // While no five of the mover stood before the move, the incremental search must agree
        // with the full one.
        const bool five = hasFiveThrough(board, changed, side);
        const bool anywhere = hasFiveAnywhere(board, side);
        if (!fiveStands[static_cast<int>(side)]) {
            EXPECT_EQ(five, anywhere) << "after move " << signature.moves;
        }
        fiveStands[static_cast<int>(side)] = anywhere;
        if (five && untilFive) {
            signature.winner = static_cast<int>(side);
            break;
        }
        if (isBoardFull(board)) {
            break;
        }
        side = otherSide(side);
    }
    signature.hash = boardHash(board.bytes());
    return signature;
}

Signature playWithReference(int dimension, bool untilFive) {
    Board opening(dimension);
    placeStandardOpening(opening);
    reference::Cells board = cellsOf(opening);
    const std::int32_t n = opening.cellCount();
    Signature signature;
    std::uint8_t side = 1;
    int passesInARow = 0;
    while (passesInARow < 2) {
        const std::int32_t cell = side == 1 ? reference::chooseFewestEnclosing(board, side, dimension, n)
                                            : reference::chooseMostEnclosing(board, side, dimension, n);
        if (cell < 0) {
            ++passesInARow;
            side = static_cast<std::uint8_t>(3 - side);
            continue;
        }
        passesInARow = 0;
        board[cell] = side;
        reference::turnEnclosed(dimension, n, board, cell, side);
        ++signature.moves;
        if (untilFive && reference::hasFiveAnywhere(dimension, n, board, side) == 1) {
            signature.winner = side;
            break;
        }
        if (reference::isBoardFull(board, n) == 1) {
            break;
        }
        side = static_cast<std::uint8_t>(3 - side);
    }
    signature.hash = boardHash(board);
    return signature;
}

struct Pinned {
    int dimension;
    bool untilFive;
    Signature signature;
};

void PrintTo(const Pinned& pinned, std::ostream* out) {
    *out << "D" << pinned.dimension << (pinned.untilFive ? " to a five " : " ignoring fives ")
         << pinned.signature;
}

class SelfPlay : public ::testing::TestWithParam<Pinned> {};

TEST_P(SelfPlay, EngineAndReferenceReachThePinnedSignature) {
    const Pinned pinned = GetParam();
    EXPECT_EQ(playWithEngine(pinned.dimension, pinned.untilFive), pinned.signature);
    EXPECT_EQ(playWithReference(pinned.dimension, pinned.untilFive), pinned.signature);
}

INSTANTIATE_TEST_SUITE_P(StandardOpening, SelfPlay,
                         ::testing::Values(Pinned{2, true, {6, 2, 0xc33e4d43bd7f6c42}},
                                           Pinned{3, true, {10, 2, 0x3513f052b004c0a3}},
                                           Pinned{4, true, {22, 2, 0xa5be0432f8a0dbdb}},
                                           Pinned{5, true, {10, 2, 0x4505437599fc3deb}},
                                           Pinned{2, false, {26, 0, 0x9f2143db406cb4c5}},
                                           Pinned{3, false, {504, 0, 0x39f6c43ac6b11caf}}),
                         [](const auto& param) {
                             return "D" + std::to_string(param.param.dimension) +
                                    (param.param.untilFive ? "" : "_IgnoringFives");
                         });

}  // namespace
}  // namespace kalvenor::testing
