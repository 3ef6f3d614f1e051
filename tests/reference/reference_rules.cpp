#include "reference/reference_rules.h"

namespace kalvenor::reference {

std::int32_t integerPower(std::int32_t base, std::int32_t exponent) {
    if (exponent < 0 || base == 0) {
        return -1;
    }
    if (exponent == 0) {
        return 1;
    }
    std::int64_t result = base;
    for (std::int32_t i = 1; i < exponent; ++i) {
        result =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(result) * static_cast<std::uint32_t>(base));
    }
    return static_cast<std::int32_t>(result);
}

std::int32_t cellIndex(const std::int32_t* coordinates, int dimension) {
    if (coordinates == nullptr || dimension < 2) {
        return -1;
    }
    std::int32_t index = 0;
    std::int32_t weight = 1;
    for (int j = 0; j < dimension; ++j) {
        index += coordinates[j] * weight;
        weight *= 8;
    }
    return index;
}

int cellCoordinates(std::int32_t index, std::int32_t* coordinates, int dimension, std::int32_t cellCount) {
    std::int32_t divisor = cellCount / 8;
    std::int32_t rest = index;
    for (int j = dimension - 1; j >= 1; --j) {
        coordinates[j] = rest / divisor;
        rest = rest % divisor;
        divisor = divisor / 8;
    }
    coordinates[0] = index % 8;
    return 1;
}

std::vector<std::int32_t> directionTable(int dimension) {
    const std::int32_t count = integerPower(3, dimension);
    std::vector<std::int32_t> table(static_cast<std::size_t>(count) * dimension);
    for (std::int32_t k = 0; k < count; ++k) {
        for (int j = 0; j < dimension; ++j) {
            table[static_cast<std::size_t>(k) * dimension + j] = (k / integerPower(3, j)) % 3 - 1;
        }
    }
    return table;
}

namespace {

// One step of `position` along direction k; false when it leaves the board (axis order, first
// axis out of range stops the check).
bool step(std::vector<std::int32_t>& position, const std::vector<std::int32_t>& table, std::int32_t k,
          int dimension) {
    for (int j = 0; j < dimension; ++j) {
        position[j] += table[static_cast<std::size_t>(k) * dimension + j];
    }
    for (int j = 0; j < dimension; ++j) {
        if (position[j] < 0 || position[j] > 7) {
            return false;
        }
    }
    return true;
}

enum class ScanMode { Legal, Count, Turn };

// The scan of the rays of `cell` shared by the three enclosure operations.
std::int32_t scanRays(int dimension, std::int32_t cellCount, Cells& board, std::int32_t cell,
                      std::uint8_t side, ScanMode mode) {
    const std::vector<std::int32_t> table = directionTable(dimension);
    const std::int32_t count = integerPower(3, dimension);
    std::vector<std::int32_t> origin(dimension);
    cellCoordinates(cell, origin.data(), dimension, cellCount);
    std::vector<std::int32_t> position(dimension);
    std::vector<std::int32_t> back(dimension);
    std::int32_t total = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        position = origin;
        if (!step(position, table, k, dimension)) {
            continue;
        }
        std::int32_t index = cellIndex(position.data(), dimension);
        const std::uint8_t first = board[index];
        if (first == 0 || first == side || index == cell) {
            continue;
        }
        std::int32_t run = 1;
        bool enclosing = false;
        while (step(position, table, k, dimension)) {
            index = cellIndex(position.data(), dimension);
            const std::uint8_t value = board[index];
            if (value == 0) {
                break;
            }
            if (value == side) {
                enclosing = true;
                break;
            }
            ++run;
        }
        if (!enclosing) {
            continue;
        }
        if (mode == ScanMode::Legal) {
            return 1;
        }
        total += run;
        if (mode == ScanMode::Turn) {
            // Walk back from the closing stone.
            back = position;
            const std::int32_t opposite = count - 1 - k;
            for (std::int32_t s = 0; s < run; ++s) {
                step(back, table, opposite, dimension);
                board[cellIndex(back.data(), dimension)] = side;
            }
        }
    }
    return mode == ScanMode::Turn ? 1 : total;
}

}  // namespace

int isLegalMove(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                std::uint8_t side) {
    return scanRays(dimension, cellCount, const_cast<Cells&>(board), cell, side, ScanMode::Legal);
}

std::int32_t countEnclosed(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                           std::uint8_t side) {
    return scanRays(dimension, cellCount, const_cast<Cells&>(board), cell, side, ScanMode::Count);
}

int turnEnclosed(int dimension, std::int32_t cellCount, Cells& board, std::int32_t cell, std::uint8_t side) {
    return scanRays(dimension, cellCount, board, cell, side, ScanMode::Turn);
}

namespace {

// 1 when five cells along k hold side: c+k .. c+5k, or c .. c+4k when the cell itself counts.
int runOf(int dimension, std::int32_t cellCount, const Cells& board, const std::vector<std::int32_t>& table,
          std::vector<std::int32_t>& position, std::int32_t cell, std::int32_t k, std::uint8_t side,
          bool includeCell) {
    cellCoordinates(cell, position.data(), dimension, cellCount);
    if (includeCell && board[cell] != side) {
        return 0;
    }
    for (int s = includeCell ? 2 : 1; s <= 5; ++s) {
        if (!step(position, table, k, dimension) || board[cellIndex(position.data(), dimension)] != side) {
            return 0;
        }
    }
    return 1;
}

}  // namespace

int hasFiveFrom(int dimension, std::int32_t cellCount, const Cells& board, std::int32_t cell,
                std::uint8_t side) {
    const std::vector<std::int32_t> table = directionTable(dimension);
    std::vector<std::int32_t> position(dimension);
    const std::int32_t count = integerPower(3, dimension);
    int found = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        if (k != (count - 1) / 2 &&
            runOf(dimension, cellCount, board, table, position, cell, k, side, false) == 1) {
            found = 1;
        }
    }
    return found;
}

int hasFiveAnywhere(int dimension, std::int32_t cellCount, const Cells& board, std::uint8_t side) {
    for (std::int32_t cell = 0; cell < cellCount; ++cell) {
        if (hasFiveFrom(dimension, cellCount, board, cell, side) == 1) {
            return 1;
        }
    }
    // A five that fills a line of exactly five cells has no cell beyond its ends: count it from
    // its own first stone.
    const std::vector<std::int32_t> table = directionTable(dimension);
    std::vector<std::int32_t> position(dimension);
    const std::int32_t count = integerPower(3, dimension);
    for (std::int32_t cell = 0; cell < cellCount; ++cell) {
        for (std::int32_t k = 0; k < count; ++k) {
            if (k != (count - 1) / 2 &&
                runOf(dimension, cellCount, board, table, position, cell, k, side, true) == 1) {
                return 1;
            }
        }
    }
    return 0;
}

int isBoardFull(const Cells& board, std::int32_t cellCount) {
    for (std::int32_t i = 0; i < cellCount; ++i) {
        if (board[i] == 0) {
            return 0;
        }
    }
    return 1;
}

std::int32_t countStones(const Cells& board, std::int32_t cellCount, std::uint8_t side) {
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < cellCount; ++i) {
        count += board[i] == side ? 1 : 0;
    }
    return count;
}

}  // namespace kalvenor::reference
