#include "game/game_keeper.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "engine/move_undo.h"
#include "game/board_display.h"
#include "game/game_file.h"
#include "game/kept_game.h"
#include "game/restore_game.h"
#include "game/take_back.h"
#include "records/own_file.h"
#include "records/saved_game.h"
#include "records/saved_game_format.h"
#include "records/utf8_path.h"

namespace kalvenor {

namespace {

namespace fs = std::filesystem;

// A history of every step of a long game on eight axes, and then some.
constexpr std::size_t kLargestHistoryFile = std::size_t{64} << 20;

// The differing cells kept in the history before the base is rewritten: a base of eight axes
// (16 MiB) is rewritten only after 65,536 cells changed.
std::size_t mostChangedCells(std::size_t cellCount) {
    return std::max<std::size_t>(16, cellCount / 256);
}

// The hash that names a base: of its header and board, as the file holds them.
std::uint64_t baseHash(const GameDataHeader& header, std::span<const std::uint8_t> board) {
    return hashOfBytes(board, hashOfBytes(encodeGameDataHeader(header)));
}

// The cells where `board` differs from `base`, in cell order; stops counting past `most`.
std::vector<std::pair<std::int32_t, std::uint8_t>> changedCells(std::span<const std::uint8_t> base,
                                                                std::span<const std::uint8_t> board,
                                                                std::size_t most) {
    constexpr std::size_t kChunk = 4096;
    std::vector<std::pair<std::int32_t, std::uint8_t>> changed;
    for (std::size_t start = 0; start < board.size() && changed.size() <= most; start += kChunk) {
        const std::size_t size = std::min(kChunk, board.size() - start);
        if (std::memcmp(base.data() + start, board.data() + start, size) == 0) {
            continue;
        }
        for (std::size_t cell = start; cell < start + size; ++cell) {
            if (base[cell] != board[cell]) {
                changed.emplace_back(static_cast<std::int32_t>(cell), board[cell]);
            }
        }
    }
    return changed;
}

// A stone that can be taken back: its cell and the stones it turned are all of its side.
bool canUndo(const Board& board, const PlayedStone& stone) {
    return std::all_of(stone.changed.begin(), stone.changed.end(),
                       [&](std::int32_t cell) { return board[cell] == stone.side; });
}

// A stone that can be played again: its cell is empty and the stones it turns are the other side's.
bool canReplay(const Board& board, const PlayedStone& stone) {
    return board[stone.changed.front()] == CellState::Empty &&
           std::all_of(stone.changed.begin() + 1, stone.changed.end(),
                       [&](std::int32_t cell) { return board[cell] == otherSide(stone.side); });
}

// Whether every step can be taken back from `board` and every step to redo played again after
// them, exactly as recorded: a history that does not fit its board is refused. The board is
// walked back and forth in place and left as it was.
bool historyFits(Board& board, const KeptGame& game) {
    std::vector<const PlayedStone*> undone;
    bool fits = true;
    for (auto step = game.steps.rbegin(); fits && step != game.steps.rend(); ++step) {
        for (auto stone = step->stones.rbegin(); fits && stone != step->stones.rend(); ++stone) {
            fits = canUndo(board, *stone);
            if (fits) {
                undoMove(board, stone->changed, stone->side);
                undone.push_back(&*stone);
            }
        }
    }
    for (auto stone = undone.rbegin(); stone != undone.rend(); ++stone) {
        replayMove(board, (*stone)->changed, (*stone)->side);
    }
    std::vector<const PlayedStone*> replayed;
    for (auto entry = game.undone.begin(); fits && entry != game.undone.end(); ++entry) {
        for (auto stone = entry->step.stones.begin(); fits && stone != entry->step.stones.end(); ++stone) {
            fits = canReplay(board, *stone);
            if (fits) {
                replayMove(board, stone->changed, stone->side);
                replayed.push_back(&*stone);
            }
        }
    }
    for (auto stone = replayed.rbegin(); stone != replayed.rend(); ++stone) {
        undoMove(board, (*stone)->changed, (*stone)->side);
    }
    return fits;
}

}  // namespace

GameKeeper::GameKeeper(fs::path folder) : folder_(std::move(folder)) {}

fs::path GameKeeper::basePath(std::uint8_t slot) const {
    return folder_ / (slot == 0 ? "position-1.gd" : "position-2.gd");
}

void GameKeeper::setAside(const std::string& why, std::string& said) {
    const fs::path aside = folder_ / "history.unreadable";
    std::error_code error;
    fs::rename(historyPath(), aside, error);
    said = "the kept game in " + utf8FromPath(folder_) + " cannot be read (" + why +
           "); it was set aside as " + utf8FromPath(aside);
}

std::string GameKeeper::restore(Session& session) {
    std::string said;
    std::error_code missing;
    if (!fs::exists(fs::symlink_status(historyPath(), missing))) {
        return said;
    }
    const FileValue<std::vector<std::uint8_t>> read = readOwnFile(historyPath(), kLargestHistoryFile);
    if (!read.ok()) {
        setAside(read.error().summary(), said);
        return said;
    }
    auto [decoded, problem] = decodeKeptGame(read.value());
    if (!decoded) {
        setAside(problem, said);
        return said;
    }
    KeptGame& kept = *decoded;
    FileValue<SavedGame> base = readSavedGame(basePath(kept.baseSlot));
    if (!base.ok()) {
        setAside(base.error().summary(), said);
        return said;
    }
    const GameDataHeader& baseHeader = base.value().header;
    if (baseHash(baseHeader, base.value().board) != kept.baseHash ||
        baseHeader.dimension != kept.current.state.dimension) {
        setAside("its position is not the one its history names", said);
        return said;
    }
    Board board(baseHeader.dimension);
    board.assign(base.value().board);
    for (const auto& [cell, value] : kept.changedCells) {
        board.set(cell, static_cast<CellState>(value));
    }
    if (!historyFits(board, kept)) {
        setAside("its history does not fit its position", said);
        return said;
    }
    baseBoard_ = std::move(base.value().board);
    baseSlot_ = kept.baseSlot;
    baseHash_ = kept.baseHash;
    written_ = read.value();
    if (!kept.current.state.inProgress) {
        return said;  // a finished game is not brought back
    }

    GameState state = kept.current.state;
    state.recordEnabled = session.state.recordEnabled;
    restoreGame(session, headerOf(state), std::move(board));
    session.state = state;
    showMomentLabels(session, kept.current);
    session.history.assign(std::move(kept.steps), std::move(kept.undone));
    session.file = std::move(kept.file);
    session.fileChangedAt.reset();
    showBoardFor(session, state.mode == GameMode::HumanVsCpu ? state.humanSide : state.sideToMove);
    showWindowTitle(session);
    return said;
}

std::string GameKeeper::keep(const Session& session) {
    if (!session.board) {
        return {};  // nothing to keep: what is kept stays
    }
    const GameState& state = session.state;
    const std::span<const std::uint8_t> board = session.board->bytes();
    KeptGame kept;
    if (baseBoard_.size() == board.size()) {
        kept.changedCells = changedCells(baseBoard_, board, mostChangedCells(board.size()));
    }
    if (baseBoard_.size() != board.size() || kept.changedCells.size() > mostChangedCells(board.size())) {
        // A new base, into the slot the history on disk does not name.
        const std::uint8_t slot = baseBoard_.empty() ? baseSlot_ : static_cast<std::uint8_t>(1 - baseSlot_);
        const GameDataHeader header = headerOf(state);
        if (FileResult written = writeSavedGame(basePath(slot), header, board); !written.ok()) {
            return written.error().message();
        }
        baseBoard_.assign(board.begin(), board.end());
        baseSlot_ = slot;
        baseHash_ = baseHash(header, board);
        kept.changedCells.clear();
    }
    kept.baseSlot = baseSlot_;
    kept.baseHash = baseHash_;
    kept.current = currentMoment(session);
    kept.steps = session.history.steps();
    kept.undone = session.history.undone();
    kept.file = session.file;
    std::vector<std::uint8_t> bytes = encodeKeptGame(kept);
    if (bytes == written_) {
        return {};
    }
    if (FileResult written = replaceOwnFile(historyPath(), bytes); !written.ok()) {
        return written.error().message();
    }
    written_ = std::move(bytes);
    return {};
}

std::shared_ptr<GameKeeper> keepGameIn(Session& session, const fs::path& folder,
                                       std::function<void(const std::string&)> say) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        say("the game cannot be kept in " + utf8FromPath(folder) + ": " + error.message());
        return nullptr;
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    auto keeper = std::make_shared<GameKeeper>(folder);
    if (const std::string said = keeper->restore(session); !said.empty()) {
        say(said);
    }
    session.eventHandled = [keeper, say, failing = false](const Session& current) mutable {
        const std::string failure = keeper->keep(current);
        if (!failure.empty() && !failing) {
            say("the game cannot be kept: " + failure);
        }
        failing = !failure.empty();
    };
    return keeper;
}

}  // namespace kalvenor
