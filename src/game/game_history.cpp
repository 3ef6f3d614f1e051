#include "game/game_history.h"

#include <cassert>
#include <utility>

namespace kalvenor {

namespace {

// The memory an entry holds, its own size and what it owns on the heap.
std::size_t bytesOf(const Moment& moment) {
    std::size_t bytes = sizeof(Moment) + moment.labelTexts.capacity() * sizeof(std::string);
    for (const std::string& text : moment.labelTexts) {
        bytes += text.capacity();
    }
    return bytes +
           (moment.highlights.turned.capacity() + moment.highlights.five.capacity()) * sizeof(std::int32_t);
}

std::size_t bytesOf(const PlayedStone& stone) {
    return sizeof(PlayedStone) + stone.changed.capacity() * sizeof(std::int32_t);
}

std::size_t bytesOf(const Step& step) {
    std::size_t bytes = sizeof(Step) - sizeof(Moment) + bytesOf(step.before);
    for (const PlayedStone& stone : step.stones) {
        bytes += bytesOf(stone);
    }
    return bytes;
}

std::size_t bytesOf(const UndoneStep& undone) {
    return bytesOf(undone.step) + bytesOf(undone.after);
}

}  // namespace

void GameHistory::clear() {
    steps_.clear();
    undone_.clear();
    bytes_ = 0;
}

void GameHistory::beginStep(Moment before) {
    for (const UndoneStep& entry : undone_) {
        bytes_ -= bytesOf(entry);
    }
    undone_.clear();
    steps_.push_back({std::move(before), {}});
    bytes_ += bytesOf(steps_.back());
    keepWithinBudget();
}

void GameHistory::addStone(std::span<const std::int32_t> changed, CellState side) {
    if (steps_.empty()) {
        return;
    }
    PlayedStone& stone = steps_.back().stones.emplace_back();
    stone.changed.assign(changed.begin(), changed.end());
    stone.side = side;
    bytes_ += bytesOf(stone);
    keepWithinBudget();
}

const UndoneStep& GameHistory::takeBack(Moment now) {
    assert(canTakeBack());
    bytes_ += bytesOf(now);
    undone_.push_front({std::move(steps_.back()), std::move(now)});
    steps_.pop_back();
    keepWithinBudget(false);
    return undone_.front();
}

Moment GameHistory::redo() {
    assert(canRedo());
    UndoneStep& next = undone_.front();
    bytes_ -= bytesOf(next.after);
    Moment after = std::move(next.after);
    steps_.push_back(std::move(next.step));
    undone_.pop_front();
    return after;
}

void GameHistory::assign(std::deque<Step> steps, std::deque<UndoneStep> undone) {
    steps_ = std::move(steps);
    undone_ = std::move(undone);
    bytes_ = 0;
    for (const Step& step : steps_) {
        bytes_ += bytesOf(step);
    }
    for (const UndoneStep& entry : undone_) {
        bytes_ += bytesOf(entry);
    }
    keepWithinBudget(false);
}

// The oldest step goes first; then the redo farthest away. An open step stays whatever its size,
// as it may still be receiving the computer's replies.
void GameHistory::keepWithinBudget(bool keepNewestStep) {
    const std::size_t kept = keepNewestStep ? 1 : 0;
    while (bytes_ > budget_ && steps_.size() > kept) {
        bytes_ -= bytesOf(steps_.front());
        steps_.pop_front();
    }
    while (bytes_ > budget_ && !undone_.empty()) {
        bytes_ -= bytesOf(undone_.back());
        undone_.pop_back();
    }
}

}  // namespace kalvenor
