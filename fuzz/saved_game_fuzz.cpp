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
    const LoadResult result = parseSavedGame(bytes);

    if (result.failure != LoadFailure::None) {
        // A refusal always says why and never carries a game.
        if (result.game || result.reason.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    if (!result.game || size < kGameDataHeaderSize) {
        __builtin_trap();
    }
    const SavedGame& game = *result.game;
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
