#include "records/saved_game_format.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/coordinates.h"
#include "records/board_sizes.h"

namespace kalvenor {

namespace {

void putWord(std::uint8_t* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int byte = 0; byte < 4; ++byte) {
        out[byte] = static_cast<std::uint8_t>(bits >> (8 * byte));
    }
}

std::int32_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t byte = 0; byte < 4; ++byte) {
        bits |= static_cast<std::uint32_t>(bytes[offset + byte]) << (8 * byte);
    }
    return static_cast<std::int32_t>(bits);
}

std::uint64_t cellCountOf(int dimension) {
    return std::uint64_t{1} << (3 * dimension);
}

std::string invalid(const std::string& why) {
    return "not a saved game: " + why;
}

std::string str(std::int64_t value) {
    return std::to_string(value);
}

// The view of a board: the whole board for two and three axes, else one slice whose first cell
// has coordinates 0 on axes 0 to 2.
std::string viewProblem(const GameDataHeader& header) {
    const int dimension = header.dimension;
    const std::int32_t viewCells = boardSizes(dimension).viewCellCount;
    if (header.viewCellCount != viewCells) {
        return invalid("the view shows " + str(header.viewCellCount) + " cells, a game of " + str(dimension) +
                       " dimensions shows " + str(viewCells));
    }
    if (dimension <= kViewAxes) {
        if (header.viewOffset != 0) {
            return invalid("the view starts at cell " + str(header.viewOffset) + ", a game of " +
                           str(dimension) + " dimensions shows the whole board from cell 0");
        }
        return {};
    }
    if (header.viewOffset < 0 || header.viewOffset >= header.cellCount ||
        header.viewOffset % kSliceCellCount != 0) {
        return invalid("the view starts at cell " + str(header.viewOffset) +
                       ", which is not the first cell of a slice of a game of " + str(dimension) +
                       " dimensions");
    }
    return {};
}

std::string choiceProblem(std::string_view field, std::int32_t value, std::int32_t low, std::int32_t high,
                          std::string_view allowed) {
    if (value >= low && value <= high) {
        return {};
    }
    return invalid(std::string(field) + " is " + str(value) + ", it must be " + std::string(allowed));
}

std::string counterProblem(std::string_view field, std::int32_t value) {
    return choiceProblem(field, value, 0, kLargestCounter,
                         "0 to " + str(kLargestCounter) + " in a game that can be played");
}

}  // namespace

std::array<std::uint8_t, kGameDataHeaderSize> encodeGameDataHeader(const GameDataHeader& header) {
    const std::array<std::int32_t, 12> words = {
        header.dimension,       header.cellCount,        header.viewCellCount, header.viewOffset,
        header.guideLevel,      header.inProgress,       header.sideToMove,    header.stoneCount,
        header.turnNumberFirst, header.turnNumberSecond, header.humanSide,     header.mode,
    };
    std::array<std::uint8_t, kGameDataHeaderSize> bytes{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        putWord(bytes.data() + 4 * i, words[i]);
    }
    return bytes;
}

GameDataHeader decodeGameDataHeader(std::span<const std::uint8_t, kGameDataHeaderSize> bytes) {
    GameDataHeader header;
    header.dimension = wordAt(bytes, 0);
    header.cellCount = wordAt(bytes, 4);
    header.viewCellCount = wordAt(bytes, 8);
    header.viewOffset = wordAt(bytes, 12);
    header.guideLevel = wordAt(bytes, 16);
    header.inProgress = wordAt(bytes, 20);
    header.sideToMove = wordAt(bytes, 24);
    header.stoneCount = wordAt(bytes, 28);
    header.turnNumberFirst = wordAt(bytes, 32);
    header.turnNumberSecond = wordAt(bytes, 36);
    header.humanSide = wordAt(bytes, 40);
    header.mode = wordAt(bytes, 44);
    return header;
}

std::string gameDataHeaderProblem(std::span<const std::uint8_t> leadingBytes, std::uint64_t fileSize) {
    const std::string length = "the file is " + std::to_string(fileSize) + " bytes long";
    const bool dimensionReadable = leadingBytes.size() >= 4;
    const std::int32_t dimension = dimensionReadable ? wordAt(leadingBytes, 0) : 0;
    const bool dimensionPlayable = dimension >= kMinDimension && dimension <= kMaxDimension;

    // The length is checked first, against the dimension when that can be read: nothing later
    // is allocated or read from a size the file does not have.
    if (dimensionPlayable) {
        const std::uint64_t needed = kGameDataHeaderSize + cellCountOf(dimension);
        if (fileSize != needed) {
            return invalid(length + ", a game of " + str(dimension) + " dimensions needs " +
                           std::to_string(needed));
        }
    }
    if (fileSize < kGameDataHeaderSize || leadingBytes.size() < kGameDataHeaderSize) {
        return invalid(length + ", shorter than the " + str(kGameDataHeaderSize) +
                       "-byte header of a saved game");
    }
    const GameDataHeader header = decodeGameDataHeader(leadingBytes.first<kGameDataHeaderSize>());
    if (dimension == 0 && fileSize == kGameDataHeaderSize) {
        return invalid("it was saved before any game had started and holds no board");
    }
    if (!dimensionPlayable) {
        return invalid("the board has " + str(dimension) + " dimensions, a game has 2 to 8");
    }
    if (static_cast<std::uint64_t>(header.cellCount) != cellCountOf(dimension) || header.cellCount < 0) {
        return invalid("the board has " + str(header.cellCount) + " cells, a game of " + str(dimension) +
                       " dimensions has " + std::to_string(cellCountOf(dimension)));
    }
    for (const std::string& problem : {
             viewProblem(header),
             choiceProblem("the guide level", header.guideLevel, 0, 2, "0, 1 or 2"),
             choiceProblem("the game-in-progress flag", header.inProgress, 0, 1, "0 or 1"),
             choiceProblem("the side to move", header.sideToMove, 1, 2, "1 (first) or 2 (second)"),
             choiceProblem("the player's side", header.humanSide, 1, 2, "1 (first) or 2 (second)"),
             choiceProblem("the game mode", header.mode, 0, 2, "0, 1 or 2"),
             counterProblem("the stone count", header.stoneCount),
             counterProblem("the turn number of the first side", header.turnNumberFirst),
             counterProblem("the turn number of the second side", header.turnNumberSecond),
         }) {
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

std::string boardSizeProblem(const GameDataHeader& header, std::span<const std::uint8_t> board) {
    if (header.cellCount >= 0 && board.size() == static_cast<std::size_t>(header.cellCount)) {
        return {};
    }
    return "the board has " + std::to_string(board.size()) + " cells but the game has " +
           std::to_string(header.cellCount);
}

std::string boardBytesProblem(std::span<const std::uint8_t> board) {
    const auto bad = std::find_if(board.begin(), board.end(), [](std::uint8_t cell) { return cell > 2; });
    if (bad == board.end()) {
        return {};
    }
    return invalid("cell " + std::to_string(bad - board.begin()) + " holds the value " + str(*bad) +
                   ", a cell holds 0, 1 or 2");
}

}  // namespace kalvenor

namespace kalvenor {

FileError notAFileRefusal(const std::filesystem::path& path) {
    return FileError{FileStep::Check, path, invalid("it is a device or a pipe, not a file")};
}

FileValue<SavedGame> readSavedGameFrom(const std::filesystem::path& path, const ByteSource& source) {
    const auto refused = [&path](std::string problem) {
        return FileError{FileStep::Check, path, std::move(problem)};
    };

    std::array<std::uint8_t, kGameDataHeaderSize> headerBytes{};
    const FileValue<std::size_t> headerRead = source.readFully(headerBytes);
    if (!headerRead.ok()) {
        return headerRead.error();
    }
    if (headerRead.value() < std::min<std::uint64_t>(source.size, kGameDataHeaderSize)) {
        // The files of /proc and /sys state a size they do not hold.
        return refused(invalid("it is a file the system makes up as it is read (its size says " +
                               std::to_string(source.size) + " bytes, it holds " +
                               std::to_string(headerRead.value()) + ")"));
    }
    const std::span<const std::uint8_t> leading(headerBytes.data(), headerRead.value());
    if (std::string problem = gameDataHeaderProblem(leading, source.size); !problem.empty()) {
        return refused(std::move(problem));
    }

    // The length now matches the dimension, so the board is at most 8^8 bytes.
    std::vector<std::uint8_t> board(source.size - kGameDataHeaderSize);
    const FileValue<std::size_t> boardRead = source.readFully(board);
    if (!boardRead.ok()) {
        return boardRead.error();
    }
    std::uint8_t beyond = 0;
    const FileValue<std::size_t> beyondRead = source.readFully({&beyond, 1});
    if (boardRead.value() != board.size() || !beyondRead.ok() || beyondRead.value() != 0) {
        return refused(invalid("the file changed its length while it was read"));
    }
    if (std::string problem = boardBytesProblem(board); !problem.empty()) {
        return refused(std::move(problem));
    }
    return SavedGame{decodeGameDataHeader(headerBytes), std::move(board)};
}

FileValue<SavedGame> parseSavedGame(std::span<const std::uint8_t> bytes) {
    std::size_t position = 0;
    const ByteSource memory{bytes.size(), [&](std::span<std::uint8_t> buffer) -> FileValue<std::size_t> {
                                const std::size_t count = std::min(buffer.size(), bytes.size() - position);
                                std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(position), count,
                                            buffer.begin());
                                position += count;
                                return count;
                            }};
    return readSavedGameFrom({}, memory);
}

}  // namespace kalvenor
