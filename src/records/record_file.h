#pragma once

#include <filesystem>
#include <string_view>

#include "engine/board.h"
#include "records/file_result.h"

namespace kalvenor {

// "棋譜.txt": relative, so it lies in the current directory at the moment of each write.
std::filesystem::path defaultRecordPath();

// The game record file: appended, opened and closed for every write, code page 932, every line
// ending in CR LF. Knows nothing of the on/off switch or of message boxes: the game decides
// whether to write and what to tell the person when a write fails.
class GameRecordFile {
  public:
    explicit GameRecordFile(std::filesystem::path path = defaultRecordPath());

    const std::filesystem::path& path() const { return path_; }

    // The text, then CR LF.
    FileResult appendLine(std::string_view text) const;
    // For two and three axes the board text, the text, CR LF and one more CR LF, in one write;
    // for more axes the text and CR LF alone.
    FileResult appendLineWithBoard(const Board& board, std::string_view text) const;

  private:
    std::filesystem::path path_;
};

}  // namespace kalvenor
