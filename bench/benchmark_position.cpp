#include "bench/benchmark_position.h"

#include "cpu/move_choice.h"
#include "cpu/pass_check.h"
#include "engine/enclosure.h"
#include "engine/five.h"
#include "engine/standard_opening.h"

namespace kalvenor::bench {

namespace {

bool touches(std::int32_t a, std::int32_t b, int dimension) {
    for (int axis = 0; axis < dimension; ++axis) {
        const int difference = coordinateOf(a, axis) - coordinateOf(b, axis);
        if (difference < -1 || difference > 1) {
            return false;
        }
    }
    return true;
}

}  // namespace

BenchmarkPosition::BenchmarkPosition(int dimension, int maxMoves) : board(dimension) {
    placeStandardOpening(board);
    bool previousPassed = false;
    for (int turn = 0; turn < maxMoves; ++turn) {
        const CellState side = sideToMove;
        const std::int32_t cell =
            side == CellState::First ? chooseFewestEnclosing(board, side) : chooseMostEnclosing(board, side);
        sideToMove = otherSide(side);
        if (cell < 0) {
            if (previousPassed) {
                break;
            }
            previousPassed = true;
            continue;
        }
        previousPassed = false;
        board.set(cell, side);
        lastChanged.assign(1, cell);
        turnEnclosed(board, cell, side, &lastChanged);
        ++moves;
    }
    sideToMoveHasMove = !checkAutoPass(board, sideToMove);
    otherSideHasMove = !checkAutoPass(board, otherSide(sideToMove));
    if (!sideToMoveHasMove) {
        passingSide_ = sideToMove;
    } else if (!otherSideHasMove) {
        passingSide_ = otherSide(sideToMove);
    }
}

const CellState* BenchmarkPosition::sideThatMustPass() const {
    return passingSide_ == CellState::Empty ? nullptr : &passingSide_;
}

Board BenchmarkPosition::passingBoard(CellState side) const {
    Board passing(board.dimension());
    passing.assign(board.bytes());
    std::vector<std::int32_t> own;
    board.collectStones(side, own);
    board.forEachStone([&](std::int32_t cell, CellState state) {
        if (state == side) {
            return;
        }
        for (const std::int32_t stone : own) {
            if (touches(cell, stone, board.dimension())) {
                passing.set(cell, CellState::Empty);
                return;
            }
        }
    });
    return passing;
}

Board BenchmarkPosition::boardWithoutFives(CellState side) const {
    Board broken(board.dimension());
    broken.assign(board.bytes());
    std::vector<std::int32_t> own;
    board.collectStones(side, own);
    for (const std::int32_t stone : own) {
        const std::int32_t one[] = {stone};
        if (hasFiveThrough(broken, one, side)) {
            broken.set(stone, CellState::Empty);
        }
    }
    return broken;
}

const BenchmarkPosition& PositionCache::position(int dimension) {
    auto& slot = positions_[dimension];
    if (!slot) {
        slot = std::make_unique<BenchmarkPosition>(dimension);
    }
    return *slot;
}

}  // namespace kalvenor::bench
