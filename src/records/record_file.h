#pragma once

#include <filesystem>
#include <string_view>

#include "engine/board.h"

namespace kalvenor {

// "棋譜.txt": relative, so it lies in the current directory at the moment of each write.
std::filesystem::path defaultRecordPath();

enum class RecordResult { Written, OpenFailed, WriteFailed };

// The game record file: appended, opened and closed for every write, code page 932, every line
// ending in CR LF. Knows nothing of the on/off switch or of message boxes: the game decides
// whether to write and shows the box for a result other than Written.
class GameRecordFile {
  public:
    explicit GameRecordFile(std::filesystem::path path = defaultRecordPath());

    const std::filesystem::path& path() const { return path_; }

    // The text, then CR LF.
    RecordResult appendLine(std::string_view text) const;
    // The board text of a board of two or three axes; writes nothing for more axes.
    RecordResult writeBoardText(const Board& board) const;
    // The board text (a failure there is silent), then the text and CR LF, then for two and three
    // axes one more CR LF. The result is that of the line.
    RecordResult appendLineWithBoard(const Board& board, std::string_view text) const;

  private:
    std::filesystem::path path_;
};

}  // namespace kalvenor
