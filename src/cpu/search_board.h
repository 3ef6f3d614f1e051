#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cpu/candidate_moves.h"
#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor::detail {

// The board a search walks on: moves are played in place and taken back exactly, one stack
// entry per move, so the search never copies the board. Keeps a hash of the position (stones
// only; the side to move is the caller's) up to date for the transposition table.
class SearchBoard {
  public:
    explicit SearchBoard(Board& board);
    SearchBoard(const SearchBoard&) = delete;
    SearchBoard& operator=(const SearchBoard&) = delete;
    // Takes back whatever is still played, so the board is left as it came.
    ~SearchBoard();

    const Board& board() const { return board_; }
    std::uint64_t hash() const { return hash_; }

    // Plays a candidate move of `side`: the stone, and the stones of its rays turned.
    void play(const CandidateMove& move, std::span<const EnclosingRay> rays, CellState side);
    void undo();
    void undoAll();

    // What the last move played changed: its cell first, then the stones it turned.
    std::span<const std::int32_t> lastChanged() const;

  private:
    void toggleHash(std::int32_t cell, CellState state);

    Board& board_;
    std::uint64_t hash_ = 0;
    std::vector<std::int32_t> changed_;  // every played move's changes, one after the other
    std::vector<std::size_t> starts_;    // where each played move's changes begin
    std::vector<CellState> sides_;
};

}  // namespace kalvenor::detail
