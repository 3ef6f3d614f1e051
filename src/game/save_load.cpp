#include "game/save_load.h"

#include <array>
#include <filesystem>
#include <string>

#include "catalog/localized.h"
#include "game/game_file.h"
#include "game/move_announcement.h"
#include "game/restore_game.h"
#include "platform/save_dialog_rules.h"
#include "platform/window_system.h"
#include "records/saved_game.h"
#include "records/utf8_path.h"

namespace kalvenor {

namespace {

const std::array<platform::FileFilter, 2> kGameDataFilters{{{"Game Data", "*.gd"}, {"ALL FORMAT", "*.*"}}};

constexpr platform::MessageBoxStyle kFileErrorStyle{platform::MessageBoxButtons::Ok,
                                                    platform::MessageBoxIcon::Exclamation, true};

// The path as the person chose it, and under it what failed and why.
std::string failureText(const std::string& chosenPath, const FileError& error) {
    return chosenPath + "\n" + error.summary();
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
    if (!session.board) {
        // Before the first game there is nothing to save: no dialog, no file.
        showGameBox(session, localized("保存するゲームがありません"), "Can not Save File", kFileErrorStyle);
        return false;
    }
    const GameDataHeader header = headerOf(session.state);
    const auto path = askForPath(session, platform::FileDialogKind::Save, session.saveFileName);
    if (!path) {
        return false;
    }
    const FileResult result = writeSavedGame(pathFromUtf8(*path), header, session.board->bytes());
    if (!result.ok()) {
        showGameBox(session, failureText(*path, result.error()), "Can not Save File", kFileErrorStyle);
        return false;
    }
    rememberGameFile(session, *path);
    return true;
}

bool loadGame(Session& session) {
    const auto path = askForPath(session, platform::FileDialogKind::Open, session.loadFileName);
    return path && loadGameFile(session, platform::existingWithDefaultExtension(*path, kGameDataFilters));
}

bool loadGameFile(Session& session, const std::string& path) {
    session.loadFileName = path;
    const FileValue<SavedGame> loaded = readSavedGame(pathFromUtf8(path));
    if (!loaded.ok()) {
        showGameBox(session, failureText(path, loaded.error()), "Can not Open File", kFileErrorStyle);
        return false;
    }
    restoreGame(session, loaded.value());
    rememberGameFile(session, path);
    return true;
}

}  // namespace kalvenor
