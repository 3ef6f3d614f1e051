#include "engine/board.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cstring>
#include <stdexcept>

#include "engine/coordinates.h"

namespace kalvenor {

namespace {

std::size_t wordsFor(std::size_t bits) {
    return (bits + 63) / 64;
}

int checkedDimension(int dimension) {
    if (dimension < kMinDimension || dimension > kMaxDimension) {
        throw std::invalid_argument("board dimension must be 2..8");
    }
    return dimension;
}

std::uint64_t nextSerial() {
    static std::atomic<std::uint64_t> boards{0};
    return boards.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

Board::Board(int dimension)
    : dimension_(checkedDimension(dimension)),
      cellCount_(integerPower(kAxisLength, dimension)),
      serial_(nextSerial()) {
    cells_.assign(static_cast<std::size_t>(cellCount_), 0);
    const std::size_t rows = static_cast<std::size_t>(cellCount_) >> kRowShift;
    occupiedRows_.assign(wordsFor(rows), 0);
    occupiedRowWords_.assign(wordsFor(occupiedRows_.size()), 0);
    counts_ = {cellCount_, 0, 0};
}

void Board::set(std::int32_t cell, CellState state) {
    const auto value = static_cast<std::uint8_t>(state);
    assert(cell >= 0 && cell < cellCount_);
    assert(value <= 2);
    if (cell < 0 || cell >= cellCount_ || value > 2) {
        return;
    }
    const std::uint8_t old = cells_[cell];
    if (old == value) {
        return;
    }
    ++changes_;
    if (journal_.size() == kJournalCells) {
        journal_.erase(journal_.begin(), journal_.begin() + kJournalCells / 2);
        journalStart_ += kJournalCells / 2;
    }
    journal_.push_back(cell);
    --counts_[old];
    ++counts_[value];
    cells_[cell] = value;
    // A stone turned to the other side leaves its row occupied; only placing on or emptying a
    // cell can change the summary.
    if (old == 0 || value == 0) {
        updateOccupancy(cell >> kRowShift);
    }
}

void Board::clear() {
    ++changes_;
    forgetJournal();
    std::fill(cells_.begin(), cells_.end(), 0);
    std::fill(occupiedRows_.begin(), occupiedRows_.end(), 0);
    std::fill(occupiedRowWords_.begin(), occupiedRowWords_.end(), 0);
    counts_ = {cellCount_, 0, 0};
}

void Board::assign(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != cells_.size()) {
        throw std::invalid_argument("board bytes: wrong number of cells");
    }
    if (!std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b <= 2; })) {
        throw std::invalid_argument("board bytes: a cell holds neither Empty, First nor Second");
    }
    ++changes_;
    forgetJournal();
    std::copy(bytes.begin(), bytes.end(), cells_.begin());
    rebuildDerivedData();
}

std::optional<std::span<const std::int32_t>> Board::changedSince(Revision since) const {
    if (since.board != serial_ || since.change < journalStart_ || since.change > changes_) {
        return std::nullopt;
    }
    return std::span<const std::int32_t>(journal_).subspan(
        static_cast<std::size_t>(since.change - journalStart_));
}

void Board::forgetJournal() {
    journal_.clear();
    journalStart_ = changes_;
}

void Board::collectStones(CellState side, std::vector<std::int32_t>& cells) const {
    forEachStone([&](std::int32_t cell, CellState state) {
        if (state == side) {
            cells.push_back(cell);
        }
    });
}

void Board::updateOccupancy(std::int32_t row) {
    std::uint64_t rowCells;
    std::memcpy(&rowCells, &cells_[static_cast<std::size_t>(row) << kRowShift], sizeof rowCells);
    const std::size_t word = static_cast<std::size_t>(row) / 64;
    const std::uint64_t bit = std::uint64_t{1} << (row % 64);
    if (rowCells != 0) {
        occupiedRows_[word] |= bit;
    } else {
        occupiedRows_[word] &= ~bit;
    }
    const std::uint64_t wordBit = std::uint64_t{1} << (word % 64);
    if (occupiedRows_[word] != 0) {
        occupiedRowWords_[word / 64] |= wordBit;
    } else {
        occupiedRowWords_[word / 64] &= ~wordBit;
    }
}

void Board::rebuildDerivedData() {
    counts_ = {0, 0, 0};
    std::fill(occupiedRows_.begin(), occupiedRows_.end(), 0);
    std::fill(occupiedRowWords_.begin(), occupiedRowWords_.end(), 0);
    for (std::int32_t cell = 0; cell < cellCount_; ++cell) {
        const std::uint8_t value = cells_[cell];
        ++counts_[value];
        if (value != 0) {
            const std::int32_t row = cell >> kRowShift;
            occupiedRows_[static_cast<std::size_t>(row) / 64] |= std::uint64_t{1} << (row % 64);
        }
    }
    for (std::size_t word = 0; word < occupiedRows_.size(); ++word) {
        if (occupiedRows_[word] != 0) {
            occupiedRowWords_[word / 64] |= std::uint64_t{1} << (word % 64);
        }
    }
}

}  // namespace kalvenor
