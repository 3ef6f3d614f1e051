#pragma once

// Keeps the current game in a folder of its own, so that quitting, a crash or a kill loses
// nothing: after every change the history file is replaced in one step; the position lies in one
// of two saved games (the base), which is rewritten only when the cells that differ from it grow
// many, and always into the slot the history does not name, so that the pair on disk is whole
// whatever moment the program stops at.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/session.h"

namespace kalvenor {

class GameKeeper {
  public:
    // `folder` must exist.
    explicit GameKeeper(std::filesystem::path folder);

    // At start, with the window open: brings back the kept game when it is unfinished. A kept game
    // that cannot be read is set aside (renamed) and the start goes on without it. Returns what to
    // say about it, or "".
    std::string restore(Session& session);
    // After an event: writes the game when anything of it changed. Returns the failure, or "".
    std::string keep(const Session& session);

    std::filesystem::path historyPath() const { return folder_ / "history"; }
    std::filesystem::path basePath(std::uint8_t slot) const;

  private:
    void setAside(const std::string& why, std::string& said);

    std::filesystem::path folder_;
    std::vector<std::uint8_t> baseBoard_;  // the board of the base file
    std::uint8_t baseSlot_ = 0;
    std::uint64_t baseHash_ = 0;
    std::vector<std::uint8_t> written_;  // the history file as last written
};

// Keeps the game of `session` in `folder` (created when missing): restores it now and writes it
// after every event. Anything worth saying (a kept game set aside, a failing write, said once
// until a write succeeds again) goes to `say`, one line each.
std::shared_ptr<GameKeeper> keepGameIn(Session& session, const std::filesystem::path& folder,
                                       std::function<void(const std::string&)> say);

}  // namespace kalvenor
