#pragma once

#include <string_view>
#include <vector>

#include "game/session.h"
#include "records/record_blocks.h"

namespace kalvenor {

// Command 152: asks whether to switch the record on (or off) and does so on a Yes.
void toggleRecord(Session& session);

// The game's side of the record: nothing at all while the record is off. A line that cannot be
// written shows one box with the record's path and what failed, and switches the record off; the
// game goes on.
void appendRecordLine(Session& session, std::string_view text);
// For two and three axes the board text, the line and a blank line; for more axes the line.
void appendRecordLineWithBoard(Session& session, std::string_view text);
// Writes the entries in order.
void appendRecordEntries(Session& session, const std::vector<RecordEntry>& entries);

}  // namespace kalvenor
