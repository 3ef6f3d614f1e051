#include "cpu/levels.h"

#include "cpu/medium_player.h"
#include "cpu/move_choice.h"
#include "cpu/strong_player.h"

namespace kalvenor {

namespace {

constexpr CpuLevel kLevels[] = {CpuLevel::Standard, CpuLevel::Medium, CpuLevel::Strong};

}  // namespace

std::string_view levelName(CpuLevel level) {
    switch (level) {
        case CpuLevel::Medium:
            return "medium";
        case CpuLevel::Strong:
            return "strong";
        case CpuLevel::Standard:
            break;
    }
    return "standard";
}

std::optional<CpuLevel> levelNamed(std::string_view name) {
    for (const CpuLevel level : kLevels) {
        if (levelName(level) == name) {
            return level;
        }
    }
    return std::nullopt;
}

std::int32_t chooseCpuMove(Board& board, CellState side, CpuLevel level) {
    switch (level) {
        case CpuLevel::Medium:
            return chooseMediumMove(board, side);
        case CpuLevel::Strong:
            return chooseStrongMove(board, side);
        case CpuLevel::Standard:
            break;
    }
    return chooseMostEnclosing(board, side);
}

}  // namespace kalvenor
