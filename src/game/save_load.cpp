#include <array>
#include <filesystem>
#include <string>

#include "game/commands.h"
#include "game/restore_game.h"
#include "platform/window_system.h"
#include "records/saved_game.h"

namespace kalvenor {

namespace {

const std::array<platform::FileFilter, 2> kGameDataFilters{{{"Game Data", "*.gd"}, {"ALL FORMAT", "*.*"}}};

void showFileError(const Session& session, const std::string& text) {
    platform::messageBox(session.window, text, "Can not Open File",
                         {platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Exclamation, true});
}

// The dialog's answer; a confirmed path becomes the next dialog's initial name.
std::optional<std::string> askForPath(Session& session, platform::FileDialogKind kind,
                                      std::string& rememberedName) {
    const std::string_view title =
        kind == platform::FileDialogKind::Save ? "Game Data Save" : "Game Data Load";
    auto path = platform::fileDialog(session.window, kind, title, kGameDataFilters, rememberedName);
    if (path) {
        rememberedName = *path;
    }
    return path;
}

}  // namespace

bool saveGame(Session& session) {
    const GameDataHeader header = headerOf(session.state);
    const auto path = askForPath(session, platform::FileDialogKind::Save, session.saveFileName);
    if (!path) {
        return false;
    }
    std::span<const std::uint8_t> board;
    if (session.board) {
        board = session.board->bytes();
    }
    const FileResult result = writeSavedGame(std::filesystem::path(*path), header, board);
    if (!result.ok) {
        showFileError(session, *path + "\n" + result.error);
        return false;
    }
    return true;
}

bool loadGame(Session& session) {
    const auto path = askForPath(session, platform::FileDialogKind::Open, session.loadFileName);
    if (!path) {
        return false;
    }
    const LoadResult result = readSavedGame(std::filesystem::path(*path));
    if (result.failure == LoadFailure::CannotOpen || (result.failure == LoadFailure::None && !result.game)) {
        showFileError(session, *path);
        return false;
    }
    if (result.failure == LoadFailure::Invalid) {
        showFileError(session, *path + "\n" + result.reason);
        return false;
    }
    restoreGame(session, *result.game);
    return true;
}

}  // namespace kalvenor
