#pragma once

#include <string_view>
#include <vector>

#include "game/session.h"
#include "records/record_blocks.h"

namespace kalvenor {

// The game's side of the record: nothing at all while the record is off; a line that cannot be
// written shows the box "棋譜.txt" / "Can not Open File" and the game goes on. Each returns true
// when the line was written.
bool appendRecordLine(Session& session, std::string_view text);
// The board text first (silent when it fails), then the line, then for two and three axes a
// blank line.
bool appendRecordLineWithBoard(Session& session, std::string_view text);
// Writes the entries in order, one box per line that fails.
void appendRecordEntries(Session& session, const std::vector<RecordEntry>& entries);

}  // namespace kalvenor
