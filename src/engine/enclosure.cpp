#include "engine/enclosure.h"

#include <cassert>

#include "engine/direction_table.h"
#include "engine/packed_position.h"
#include "engine/ray_walk.h"

namespace kalvenor {

namespace {

// Debug builds stop on a bad argument; release builds answer "no ray" rather than read off the board.
bool validArguments(const Board& board, std::int32_t cell, [[maybe_unused]] CellState side) {
    assert(cell >= 0 && cell < board.cellCount());
    assert(side == CellState::First || side == CellState::Second);
    return cell >= 0 && cell < board.cellCount();
}

}  // namespace

bool isLegalMove(const Board& board, std::int32_t cell, CellState side) {
    if (!validArguments(board, cell, side)) {
        return false;
    }
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const PackedPosition from = packPosition(cell);
    const int zero = table.zeroDirection();
    for (int k = 0; k < table.count(); ++k) {
        if (k != zero && detail::enclosedAlong(board, table, cell, from, k, side) > 0) {
            return true;
        }
    }
    return false;
}

std::int32_t countEnclosed(const Board& board, std::int32_t cell, CellState side) {
    if (!validArguments(board, cell, side)) {
        return 0;
    }
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const PackedPosition from = packPosition(cell);
    const int zero = table.zeroDirection();
    std::int32_t total = 0;
    for (int k = 0; k < table.count(); ++k) {
        if (k != zero) {
            total += detail::enclosedAlong(board, table, cell, from, k, side);
        }
    }
    return total;
}

std::int32_t turnEnclosed(Board& board, std::int32_t cell, CellState side,
                          std::vector<std::int32_t>* turned) {
    if (!validArguments(board, cell, side)) {
        return 0;
    }
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const PackedPosition from = packPosition(cell);
    const int zero = table.zeroDirection();
    std::int32_t total = 0;
    for (int k = 0; k < table.count(); ++k) {
        if (k == zero) {
            continue;
        }
        // The rays of one cell share no cell, so turning one never changes what another finds.
        const std::int32_t enclosed = detail::enclosedAlong(board, table, cell, from, k, side);
        for (std::int32_t s = 1; s <= enclosed; ++s) {
            const std::int32_t target = cell + s * table.indexStep(k);
            board.set(target, side);
            if (turned != nullptr) {
                turned->push_back(target);
            }
        }
        total += enclosed;
    }
    return total;
}

}  // namespace kalvenor
