#include "records/record_blocks.h"

#include "records/texts.h"

namespace kalvenor {

namespace {

constexpr std::string_view kRule = "-------------------------------";

struct StartWords {
    std::string_view heading;
    std::string_view closing;
};

StartWords startWords(StartKind kind) {
    switch (kind) {
        case StartKind::Restart:
            return {" -- game restart --", " game restart"};
        case StartKind::Load:
            return {" -- game load --", " game load"};
        case StartKind::NewGame:
            break;
    }
    return {" -- game start --", " game start"};
}

}  // namespace

std::vector<RecordEntry> startBlock(StartKind kind, int dimension, GameMode mode, CellState humanSide,
                                    const std::string& timestamp) {
    const StartWords words = startWords(kind);
    // A restart only ever happens between computers.
    const GameMode shownMode = kind == StartKind::Restart ? GameMode::CpuVsCpu : mode;

    std::vector<RecordEntry> block = {
        {""},
        {std::string(kRule)},
        {std::string(words.heading)},
        {" " + dimensionAndModeText(dimension, shownMode)},
    };
    if (shownMode == GameMode::HumanVsCpu) {
        block.push_back({humanSide == CellState::First ? " player 先攻 : ■" : " player 後攻 : □"});
    }
    block.push_back({timestamp});
    block.push_back({std::string(kRule)});
    // A restart closes with the board on every board; the others only where a board text exists.
    if (kind == StartKind::Restart || dimension == 2 || dimension == 3) {
        block.push_back({std::string(words.closing), true});
    }
    return block;
}

std::vector<RecordEntry> endBlock(const Board& board, CellState winner, GameMode mode, CellState humanSide) {
    return {
        {std::string(resultText(winner, mode, humanSide))},
        {stoneCountText(board, CellState::First)},
        {stoneCountText(board, CellState::Second)},
    };
}

}  // namespace kalvenor
