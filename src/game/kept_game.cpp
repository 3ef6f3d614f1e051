#include "game/kept_game.h"

#include <array>

#include "game/restore_game.h"
#include "records/board_sizes.h"
#include "records/saved_game_format.h"

namespace kalvenor {

namespace {

constexpr std::array<std::uint8_t, 8> kMagic{'K', 'A', 'L', 'V', 'K', 'E', 'P', 'T'};
// Version 2 adds the game's file after the steps to redo; version 1 files are still read.
constexpr std::uint32_t kVersion = 2;
constexpr std::uint32_t kMostLabels = 64;
constexpr std::uint32_t kLongestText = 4096;
constexpr std::uint32_t kLongestPath = 32768;  // the longest path Windows takes

class Writer {
  public:
    void bytes(std::span<const std::uint8_t> data) { out_.insert(out_.end(), data.begin(), data.end()); }
    void u8(std::uint8_t value) { out_.push_back(value); }
    void u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            out_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void u64(std::uint64_t value) {
        u32(static_cast<std::uint32_t>(value));
        u32(static_cast<std::uint32_t>(value >> 32));
    }
    void text(const std::string& value) {
        u32(static_cast<std::uint32_t>(value.size()));
        out_.insert(out_.end(), value.begin(), value.end());
    }
    void cells(const std::vector<std::int32_t>& values) {
        u32(static_cast<std::uint32_t>(values.size()));
        for (const std::int32_t cell : values) {
            i32(cell);
        }
    }
    std::vector<std::uint8_t>& result() { return out_; }

  private:
    std::vector<std::uint8_t> out_;
};

// Reads what the writer wrote; the first problem stops everything and is kept.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}

    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    void fail(std::string why) {
        if (problem_.empty()) {
            problem_ = std::move(why);
        }
    }
    std::size_t left() const { return failed() ? 0 : in_.size() - at_; }

    std::span<const std::uint8_t> bytes(std::size_t count) {
        if (left() < count) {
            fail("the file ends early");
            return {};
        }
        const auto taken = in_.subspan(at_, count);
        at_ += count;
        return taken;
    }
    std::uint8_t u8() {
        const auto taken = bytes(1);
        return taken.empty() ? 0 : taken[0];
    }
    std::uint32_t u32() {
        const auto taken = bytes(4);
        std::uint32_t value = 0;
        for (std::size_t index = 0; index < taken.size(); ++index) {
            value |= static_cast<std::uint32_t>(taken[index]) << (8 * index);
        }
        return value;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64() {
        const std::uint64_t low = u32();
        return low | (static_cast<std::uint64_t>(u32()) << 32);
    }
    // A count of items of at least `itemSize` bytes each: never more than the bytes left can hold.
    std::uint32_t count(std::size_t itemSize, std::uint32_t most, const char* what) {
        const std::uint32_t value = u32();
        if (value > most || value > left() / itemSize) {
            fail(std::string("the count of ") + what + " is out of range");
            return 0;
        }
        return value;
    }
    std::string text(std::uint32_t longest = kLongestText) {
        const std::uint32_t size = count(1, longest, "text bytes");
        const auto taken = bytes(size);
        return {taken.begin(), taken.end()};
    }
    // Cells of a board of `cellCount` cells.
    std::vector<std::int32_t> cells(std::int32_t cellCount, std::uint32_t most) {
        std::vector<std::int32_t> values(count(4, most, "cells"));
        for (std::int32_t& cell : values) {
            cell = i32();
            if (cell < 0 || cell >= cellCount) {
                fail("a cell is off the board");
            }
        }
        return values;
    }

  private:
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
    std::string problem_;
};

void writeMoment(Writer& out, const Moment& moment) {
    out.bytes(encodeGameDataHeader(headerOf(moment.state)));
    out.u8(moment.state.recordEnabled ? 1 : 0);
    out.u8(moment.needsFullFiveSearch[0] ? 1 : 0);
    out.u8(moment.needsFullFiveSearch[1] ? 1 : 0);
    out.u32(static_cast<std::uint32_t>(moment.labelTexts.size()));
    for (const std::string& text : moment.labelTexts) {
        out.text(text);
    }
    out.i32(moment.highlights.lastMove);
    out.cells(moment.highlights.turned);
    out.cells(moment.highlights.five);
}

bool readFlag(Reader& in) {
    const std::uint8_t value = in.u8();
    if (value > 1) {
        in.fail("a yes/no value is neither 0 nor 1");
    }
    return value == 1;
}

// A moment of a game of `dimension` axes (0 for the first moment read: it sets the dimension).
Moment readMoment(Reader& in, std::int32_t dimension) {
    Moment moment;
    const auto headerBytes = in.bytes(kGameDataHeaderSize);
    if (in.failed()) {
        return moment;
    }
    const GameDataHeader header = decodeGameDataHeader(headerBytes.first<kGameDataHeaderSize>());
    const std::uint64_t size =
        header.dimension >= 2 && header.dimension <= 8
            ? kGameDataHeaderSize + static_cast<std::uint64_t>(boardSizes(header.dimension).cellCount)
            : 0;
    if (std::string problem = gameDataHeaderProblem(headerBytes, size); !problem.empty()) {
        in.fail(problem);
        return moment;
    }
    if (dimension != 0 && header.dimension != dimension) {
        in.fail("a moment of the history has another dimension");
        return moment;
    }
    moment.state = stateOf(header);
    moment.state.recordEnabled = readFlag(in);
    moment.needsFullFiveSearch = {readFlag(in), readFlag(in)};
    moment.labelTexts.resize(in.count(4, kMostLabels, "labels"));
    for (std::string& text : moment.labelTexts) {
        text = in.text();
    }
    moment.highlights.lastMove = in.i32();
    if (moment.highlights.lastMove < -1 || moment.highlights.lastMove >= header.cellCount) {
        in.fail("the last move is off the board");
    }
    const auto mostCells = static_cast<std::uint32_t>(header.cellCount);
    moment.highlights.turned = in.cells(header.cellCount, mostCells);
    moment.highlights.five = in.cells(header.cellCount, mostCells);
    return moment;
}

void writeStep(Writer& out, const Step& step) {
    writeMoment(out, step.before);
    out.u32(static_cast<std::uint32_t>(step.stones.size()));
    for (const PlayedStone& stone : step.stones) {
        out.u8(static_cast<std::uint8_t>(stone.side));
        out.cells(stone.changed);
    }
}

Step readStep(Reader& in, std::int32_t dimension, std::int32_t cellCount) {
    Step step;
    step.before = readMoment(in, dimension);
    step.stones.resize(in.count(5, static_cast<std::uint32_t>(cellCount), "stones"));
    for (PlayedStone& stone : step.stones) {
        const std::uint8_t side = in.u8();
        if (side != 1 && side != 2) {
            in.fail("a stone is of neither side");
        }
        stone.side = static_cast<CellState>(side);
        stone.changed = in.cells(cellCount, static_cast<std::uint32_t>(cellCount));
        if (stone.changed.empty()) {
            in.fail("a stone without its cell");
        }
    }
    return step;
}

void writeFile(Writer& out, const GameFile& file) {
    out.text(file.path);
    out.u8(file.mark ? 1 : 0);
    if (const auto& mark = file.mark) {
        out.i32(mark->stoneCount);
        out.i32(mark->turnNumber[0]);
        out.i32(mark->turnNumber[1]);
        out.u8(static_cast<std::uint8_t>(mark->sideToMove));
        out.u8(static_cast<std::uint8_t>(mark->humanSide));
        out.u8(static_cast<std::uint8_t>(mark->mode));
        out.u64(mark->stones);
    }
}

GameFile readFile(Reader& in) {
    GameFile file;
    file.path = in.text(kLongestPath);
    if (!readFlag(in)) {
        return file;
    }
    GameMark mark;
    const auto counter = [&in] {
        const std::int32_t value = in.i32();
        if (value < 0 || value > kLargestCounter) {
            in.fail("a counter of the saved game is out of range");
        }
        return value;
    };
    const auto side = [&in] {
        const std::uint8_t value = in.u8();
        if (value != 1 && value != 2) {
            in.fail("a side of the saved game is neither side");
        }
        return static_cast<CellState>(value);
    };
    mark.stoneCount = counter();
    mark.turnNumber = {counter(), counter()};
    mark.sideToMove = side();
    mark.humanSide = side();
    const std::uint8_t mode = in.u8();
    if (mode > 2) {
        in.fail("the mode of the saved game is out of range");
    }
    mark.mode = static_cast<GameMode>(mode);
    mark.stones = in.u64();
    file.mark = mark;
    return file;
}

}  // namespace

std::uint64_t hashOfBytes(std::span<const std::uint8_t> bytes, std::uint64_t hash) {
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 0x100000001b3ULL;
    }
    return hash;
}

std::vector<std::uint8_t> encodeKeptGame(const KeptGame& game) {
    Writer out;
    out.bytes(kMagic);
    out.u32(kVersion);
    out.u8(game.baseSlot);
    out.u64(game.baseHash);
    writeMoment(out, game.current);
    out.u32(static_cast<std::uint32_t>(game.changedCells.size()));
    for (const auto& [cell, value] : game.changedCells) {
        out.i32(cell);
        out.u8(value);
    }
    out.u32(static_cast<std::uint32_t>(game.steps.size()));
    for (const Step& step : game.steps) {
        writeStep(out, step);
    }
    out.u32(static_cast<std::uint32_t>(game.undone.size()));
    for (const UndoneStep& entry : game.undone) {
        writeStep(out, entry.step);
        writeMoment(out, entry.after);
    }
    writeFile(out, game.file);
    out.u64(hashOfBytes(out.result()));
    return std::move(out.result());
}

std::pair<std::optional<KeptGame>, std::string> decodeKeptGame(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kCheckSize = 8;
    if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        return {std::nullopt, "not a kept game of this program"};
    }
    Reader in(bytes);
    in.bytes(kMagic.size());
    const std::uint32_t version = in.u32();
    if ((version < 1 || version > kVersion) && !in.failed()) {
        return {std::nullopt, "a kept game of another version (" + std::to_string(version) + ")"};
    }
    if (bytes.size() < kMagic.size() + 4 + kCheckSize) {
        return {std::nullopt, "the file ends early"};
    }
    const auto body = bytes.first(bytes.size() - kCheckSize);
    Reader check(bytes.last(kCheckSize));
    if (check.u64() != hashOfBytes(body)) {
        return {std::nullopt, "the file is damaged or cut short (its check sum does not match)"};
    }
    in = Reader(body);
    in.bytes(kMagic.size() + 4);

    KeptGame game;
    game.baseSlot = in.u8();
    if (game.baseSlot > 1) {
        in.fail("the base is neither 0 nor 1");
    }
    game.baseHash = in.u64();
    game.current = readMoment(in, 0);
    const std::int32_t dimension = game.current.state.dimension;
    const std::int32_t cellCount = game.current.state.cellCount;
    game.changedCells.resize(in.count(5, static_cast<std::uint32_t>(cellCount), "changed cells"));
    for (auto& [cell, value] : game.changedCells) {
        cell = in.i32();
        value = in.u8();
        if (cell < 0 || cell >= cellCount || value > 2) {
            in.fail("a changed cell is off the board or holds no cell value");
        }
    }
    game.steps.resize(in.count(kGameDataHeaderSize, 0xFFFFFFFFu, "steps"));
    for (Step& step : game.steps) {
        step = readStep(in, dimension, cellCount);
    }
    game.undone.resize(in.count(2 * kGameDataHeaderSize, 0xFFFFFFFFu, "steps to redo"));
    for (UndoneStep& entry : game.undone) {
        entry.step = readStep(in, dimension, cellCount);
        entry.after = readMoment(in, dimension);
    }
    if (version >= 2) {
        game.file = readFile(in);
    }
    if (!in.failed() && in.left() != 0) {
        in.fail("the file holds more than a kept game");
    }
    if (in.failed()) {
        return {std::nullopt, in.problem()};
    }
    return {std::move(game), {}};
}

}  // namespace kalvenor
