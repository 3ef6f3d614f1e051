#include "records/record_file.h"

#include <fcntl.h>

#include <string>

#include "records/cp932.h"
#include "records/posix_file.h"
#include "records/texts.h"

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

// Opens the file for appending, writes the encoded text and closes it again, so that no handle
// stays open between two writes and another program may move the file in between.
FileResult appendText(const std::filesystem::path& path, std::string_view text) {
    // Encoded before the open: a text the code page cannot hold leaves the file untouched.
    const std::optional<std::string> bytes = encodeCp932(withCrLf(text));
    if (!bytes) {
        return FileError{FileStep::Write, path, "the text has a character that code page 932 cannot hold"};
    }
    // Created when missing, never truncated, every write at the end; a pipe without a reader is
    // refused rather than waited for.
    FileValue<OpenFile> file = OpenFile::open(path, O_WRONLY | O_APPEND | O_CREAT, 0666);
    if (!file.ok()) {
        return file.error();
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    FileResult written = file.value().writeAll({data, bytes->size()});
    FileResult closed = file.value().close();
    return written.ok() ? closed : written;
}

}  // namespace

std::filesystem::path defaultRecordPath() {
    return "棋譜.txt";
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
