// Fuzz target for the saved-game parser: any bytes must be either refused with a reason or
// accepted as a game that writes back to exactly the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "records/saved_game.h"
#include "records/saved_game_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvenor;
    const std::span<const std::uint8_t> bytes(data, size);
    const FileValue<SavedGame> result = parseSavedGame(bytes);

    if (!result.ok()) {
        // A refusal always says why.
        if (result.error().reason.empty() || result.error().step != FileStep::Check) {
            __builtin_trap();
        }
        return 0;
    }
    if (size < kGameDataHeaderSize) {
        __builtin_trap();
    }
    const SavedGame& game = result.value();
    if (game.board.size() != static_cast<std::size_t>(game.header.cellCount) ||
        game.board.size() + kGameDataHeaderSize != size) {
        __builtin_trap();
    }
    const auto header = encodeGameDataHeader(game.header);
    if (std::memcmp(header.data(), data, header.size()) != 0 ||
        std::memcmp(game.board.data(), data + kGameDataHeaderSize, game.board.size()) != 0) {
        __builtin_trap();
    }
    return 0;
}
