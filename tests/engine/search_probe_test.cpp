// The strong level's fast paths held to the engine on random boards: its legal cells and rays,
// its moves played and taken back, and its probe of a move (a five, the change of the static
// value) against playing the move and valuing the whole board again.

#include <gtest/gtest.h>

#include <vector>

#include "board_fixtures.h"
#include "cpu/candidate_moves.h"
#include "cpu/line_evaluation.h"
#include "cpu/search_board.h"
#include "engine/enclosure.h"
#include "engine/enclosure_counts.h"
#include "engine/five.h"
#include "engine/move_undo.h"

namespace kalvenor::testing {
namespace {

TEST(SearchProbe, AgreesWithTheEngineOnEveryLegalCell) {
    int probed = 0;
    for (int dimension = 2; dimension <= 5; ++dimension) {
        const std::uint32_t seeds = dimension <= 3 ? 6 : 2;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Shape shape = dimension > 3   ? Shape::Loaded
                                : seed % 3 == 0 ? Shape::Sparse
                                : seed % 3 == 1 ? Shape::Loaded
                                                : Shape::Dense;
            Board board = randomBoard(dimension, shape, 100 * seed + static_cast<std::uint32_t>(dimension));
            const std::vector<std::uint8_t> original(board.bytes().begin(), board.bytes().end());
            for (const CellState side : {CellState::First, CellState::Second}) {
                std::vector<EnclosureCount> expected;
                collectEnclosureCounts(board, side, expected);
                detail::CandidateList list;
                detail::collectCandidateMoves(board, side, list);
                ASSERT_EQ(list.moves.size(), expected.size()) << boardPicture(board);
                const std::int32_t valueBefore = detail::positionValue(board, side);
                detail::MoveProbe probe(board, side);
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    const detail::CandidateMove& move = list.moves[i];
                    ASSERT_EQ(move.cell, expected[i].cell);
                    ASSERT_EQ(move.enclosed, expected[i].enclosed);
                    const detail::MoveProbe::Effect effect = probe.probe(move, list.raysOf(move));
                    const bool fiveOnly = probe.makesFive(move, list.raysOf(move));

                    // The engine's move on a copy against the rays played on the board.
                    Board engine = copyOf(board);
                    std::vector<std::int32_t> changed;
                    playEnclosingMove(engine, move.cell, side, changed);
                    const bool five = hasFiveThrough(engine, changed, side);
                    const std::int32_t valueAfter = detail::positionValue(engine, side);
                    {
                        detail::SearchBoard searchBoard(board);
                        searchBoard.play(move, list.raysOf(move), side);
                        ASSERT_TRUE(
                            std::equal(engine.bytes().begin(), engine.bytes().end(), board.bytes().begin()));
                        ASSERT_EQ(board.count(side), engine.count(side));
                    }  // the search board takes its move back
                    ASSERT_TRUE(std::equal(original.begin(), original.end(), board.bytes().begin()));

                    EXPECT_EQ(effect.five, five) << boardPicture(board) << " cell " << move.cell;
                    EXPECT_EQ(fiveOnly, five) << boardPicture(board) << " cell " << move.cell;
                    EXPECT_EQ(effect.gain, valueAfter - valueBefore)
                        << boardPicture(board) << " cell " << move.cell;
                    ++probed;
                }
            }
        }
    }
    EXPECT_GT(probed, 500);
}

}  // namespace
}  // namespace kalvenor::testing
