#include "game/record_writer.h"

#include "platform/window_system.h"

namespace kalvenor {

namespace {

bool reportFailure(Session& session, RecordResult result) {
    if (result == RecordResult::Written) {
        return true;
    }
    platform::messageBox(session.window, "棋譜.txt", "Can not Open File",
                         {platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Exclamation, true});
    return false;
}

}  // namespace

bool appendRecordLine(Session& session, std::string_view text) {
    if (!session.state.recordEnabled) {
        return false;
    }
    return reportFailure(session, session.record.appendLine(text));
}

bool appendRecordLineWithBoard(Session& session, std::string_view text) {
    if (!session.state.recordEnabled || !session.board) {
        return false;
    }
    return reportFailure(session, session.record.appendLineWithBoard(*session.board, text));
}

void appendRecordEntries(Session& session, const std::vector<RecordEntry>& entries) {
    for (const RecordEntry& entry : entries) {
        if (entry.withBoard) {
            appendRecordLineWithBoard(session, entry.text);
        } else {
            appendRecordLine(session, entry.text);
        }
    }
}

}  // namespace kalvenor
