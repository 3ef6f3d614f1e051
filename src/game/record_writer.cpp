#include "game/record_writer.h"

#include "catalog/localized.h"
#include "game/move_announcement.h"
#include "platform/window_system.h"
#include "records/utf8_path.h"

namespace kalvenor {

namespace {

// The first line that cannot be written is told with its reason, and the record switches itself
// off: every later line would fail the same way, one box each.
void reportFailure(Session& session, const FileResult& result) {
    if (result.ok()) {
        return;
    }
    const FileError& error = result.error();
    session.state.recordEnabled = false;
    showGameBox(session, utf8FromPath(error.path) + "\n" + error.summary(),
                error.step == FileStep::Open ? "Can not Open File" : "Can not Write File",
                {platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Exclamation, true});
}

}  // namespace

void appendRecordLine(Session& session, std::string_view text) {
    if (session.state.recordEnabled) {
        reportFailure(session, session.record.appendLine(text));
    }
}

void appendRecordLineWithBoard(Session& session, std::string_view text) {
    if (session.state.recordEnabled && session.board) {
        reportFailure(session, session.record.appendLineWithBoard(*session.board, text));
    }
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

void toggleRecord(Session& session) {
    const bool on = session.state.recordEnabled;
    const auto answer = showGameBox(
        session,
        on ? localized("棋譜機能を [ OFF ] にしますか？") : localized("棋譜機能を [ ON ] にしますか？"),
        on ? localized("棋譜機能 ON -> OFF") : localized("棋譜機能 OFF -> ON"),
        {platform::MessageBoxButtons::YesNo, platform::MessageBoxIcon::Question, false});
    if (answer == platform::MessageBoxResult::Yes) {
        session.state.recordEnabled = !on;
    }
}

}  // namespace kalvenor
