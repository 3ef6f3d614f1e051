#include "game/game_file.h"

#include <cstring>
#include <span>

#include "catalog/localized.h"
#include "game/session.h"
#include "records/utf8_path.h"

namespace kalvenor {

std::uint64_t stonesFingerprint(const Board& board) {
    // FNV-1a over the rows that hold stones, eight cells (one word) a step: a few milliseconds for
    // a full board of eight axes. The same board gives the same value on every build.
    constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const std::span<const std::uint8_t> cells = board.bytes();
    for (std::size_t at = 0; at < cells.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t row = 0;
        std::memcpy(&row, cells.data() + at, sizeof(row));
        if (row != 0) {
            hash = (hash ^ at) * kPrime;
            hash = (hash ^ row) * kPrime;
        }
    }
    return hash;
}

GameMark markOf(const GameState& state, const Board& board) {
    return {state.stoneCount, state.turnNumber, state.sideToMove,
            state.humanSide,  state.mode,       stonesFingerprint(board)};
}

void rememberGameFile(Session& session, std::string path) {
    session.file.path = std::move(path);
    session.file.mark = session.board ? std::optional(markOf(session.state, *session.board)) : std::nullopt;
    session.fileChangedAt.reset();
}

bool gameChanged(const Session& session) {
    if (!session.board) {
        return false;
    }
    const std::optional<GameMark>& mark = session.file.mark;
    if (!mark) {
        return true;
    }
    const GameState& state = session.state;
    // Every move and pass changes a counter: the stones are looked at only when none changed.
    if (state.stoneCount != mark->stoneCount || state.turnNumber != mark->turnNumber ||
        state.sideToMove != mark->sideToMove || state.humanSide != mark->humanSide ||
        state.mode != mark->mode) {
        return true;
    }
    const Board::Revision revision = session.board->revision();
    if (!session.fileChangedAt || session.fileChangedAt->revision != revision) {
        session.fileChangedAt =
            Session::ChangedAt{revision, stonesFingerprint(*session.board) != mark->stones};
    }
    return session.fileChangedAt->changed;
}

std::string windowTitle(const Session& session) {
    const bool changed = gameChanged(session);
    if (session.file.path.empty() && !changed) {
        return std::string(kWindowTitle);
    }
    const std::string name = session.file.path.empty()
                                 ? std::string(localized("無題"))
                                 : utf8FromPath(pathFromUtf8(session.file.path).filename());
    return name + (changed ? "*" : "") + " — " + std::string(kWindowTitle);
}

void showWindowTitle(const Session& session) {
    if (session.fileHandling.titleNamesFile) {
        platform::setWindowTitle(session.window, windowTitle(session));
    }
}

void setTitleNamesFile(Session& session, bool on) {
    session.fileHandling.titleNamesFile = on;
    platform::setWindowTitle(session.window, on ? windowTitle(session) : std::string(kWindowTitle));
}

}  // namespace kalvenor
