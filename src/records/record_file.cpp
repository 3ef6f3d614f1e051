#include "records/record_file.h"

#include <string>

#include "records/cp932.h"
#include "records/record_append.h"
#include "records/texts.h"
#include "records/utf8_path.h"

namespace kalvenor {

namespace {

bool hasBoardText(const Board& board) {
    return board.dimension() == 2 || board.dimension() == 3;
}

// Every LF of the text becomes CR LF, so the file reads the same on every platform.
std::string withCrLf(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + 16);
    for (const char c : text) {
        if (c == '\n') {
            lines += '\r';
        }
        lines += c;
    }
    return lines;
}

FileResult appendText(const std::filesystem::path& path, std::string_view text) {
    // Encoded before the open: a text the code page cannot hold leaves the file untouched.
    const std::optional<std::string> bytes = encodeCp932(withCrLf(text));
    if (!bytes) {
        return FileError{FileStep::Write, path, "the text has a character that code page 932 cannot hold"};
    }
    return appendToFile(path, *bytes);
}

}  // namespace

std::filesystem::path defaultRecordPath() {
    return pathFromUtf8("棋譜.txt");
}

GameRecordFile::GameRecordFile(std::filesystem::path path) : path_(std::move(path)) {}

FileResult GameRecordFile::appendLine(std::string_view text) const {
    return appendText(path_, std::string(text) + '\n');
}

FileResult GameRecordFile::appendLineWithBoard(const Board& board, std::string_view text) const {
    std::string lines = boardText(board);
    lines += text;
    lines += hasBoardText(board) ? "\n\n" : "\n";
    return appendText(path_, lines);
}

}  // namespace kalvenor
