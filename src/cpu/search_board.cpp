#include "cpu/search_board.h"

#include "engine/move_undo.h"

namespace kalvenor::detail {

namespace {

// A well-mixed key per (cell, side) computed on the fly: a table of keys would take 256 MiB at
// eight axes.
std::uint64_t stoneKey(std::int32_t cell, CellState state) {
    std::uint64_t x = static_cast<std::uint64_t>(cell) * 2 + static_cast<std::uint64_t>(state);
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

SearchBoard::SearchBoard(Board& board) : board_(board) {
    board_.forEachStone([&](std::int32_t cell, CellState state) { toggleHash(cell, state); });
}

SearchBoard::~SearchBoard() {
    undoAll();
}

void SearchBoard::undoAll() {
    while (!starts_.empty()) {
        undo();
    }
}

void SearchBoard::play(const CandidateMove& move, std::span<const EnclosingRay> rays, CellState side) {
    starts_.push_back(changed_.size());
    sides_.push_back(side);
    board_.set(move.cell, side);
    changed_.push_back(move.cell);
    toggleHash(move.cell, side);
    const CellState opponent = otherSide(side);
    for (const EnclosingRay& ray : rays) {
        std::int32_t cell = move.cell;
        for (std::int32_t s = 0; s < ray.run; ++s) {
            cell += ray.step;
            board_.set(cell, side);
            changed_.push_back(cell);
            toggleHash(cell, opponent);
            toggleHash(cell, side);
        }
    }
}

void SearchBoard::undo() {
    const std::span<const std::int32_t> changed = lastChanged();
    const CellState side = sides_.back();
    toggleHash(changed.front(), side);
    for (const std::int32_t turned : changed.subspan(1)) {
        toggleHash(turned, side);
        toggleHash(turned, otherSide(side));
    }
    undoMove(board_, changed, side);
    changed_.resize(starts_.back());
    starts_.pop_back();
    sides_.pop_back();
}

std::span<const std::int32_t> SearchBoard::lastChanged() const {
    return std::span<const std::int32_t>(changed_).subspan(starts_.back());
}

void SearchBoard::toggleHash(std::int32_t cell, CellState state) {
    hash_ ^= stoneKey(cell, state);
}

}  // namespace kalvenor::detail
