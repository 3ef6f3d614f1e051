#include "game/discard_question.h"

#include "catalog/localized.h"
#include "game/game_file.h"
#include "game/move_announcement.h"
#include "game/save_load.h"
#include "platform/window_system.h"
#include "records/utf8_path.h"

namespace kalvenor {

namespace {

std::string questionText(const Session& session) {
    if (session.file.path.empty()) {
        return std::string(localized("このゲームを保存しますか？\n保存しないと、このゲームは失われます。"));
    }
    const std::string name = utf8FromPath(pathFromUtf8(session.file.path).filename());
    return localizedFormat("%s\nへの変更を保存しますか？\n保存しないと、変更は失われます。", name);
}

}  // namespace

bool mayDiscardGame(Session& session) {
    if (!session.fileHandling.askBeforeDiscarding || !session.state.inProgress || !gameChanged(session)) {
        return true;
    }
    const platform::MessageBoxResult answer = showGameBox(
        session, questionText(session), localized("保存の確認"),
        {platform::MessageBoxButtons::SaveDiscardCancel, platform::MessageBoxIcon::Question, false});
    switch (answer) {
        case platform::MessageBoxResult::Save:
            return saveGame(session);
        case platform::MessageBoxResult::Discard:
            return true;
        default:
            return false;
    }
}

}  // namespace kalvenor
