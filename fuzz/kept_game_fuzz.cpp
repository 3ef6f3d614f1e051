// Fuzz target for the history file of the kept game: any bytes must be either refused with a
// reason or accepted as a kept game that encodes to bytes that read back as the same game: the
// same bytes for a file of the current version, version 2 bytes for one of version 1. The check sum at
// the end is made to match first, so that the fuzzer reaches the fields behind it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "game/kept_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvenor;
    std::vector<std::uint8_t> bytes(data, data + size);
    constexpr std::size_t kCheckSize = 8;
    if (bytes.size() >= kCheckSize) {
        const std::uint64_t check = hashOfBytes(std::span(bytes).first(bytes.size() - kCheckSize));
        for (std::size_t index = 0; index < kCheckSize; ++index) {
            bytes[bytes.size() - kCheckSize + index] = static_cast<std::uint8_t>(check >> (8 * index));
        }
    }
    const auto [game, problem] = decodeKeptGame(bytes);
    if (!game) {
        if (problem.empty()) {
            __builtin_trap();  // a refusal always says why
        }
        return 0;
    }
    const std::vector<std::uint8_t> encoded = encodeKeptGame(*game);
    constexpr std::size_t kVersionAt = 8;
    const bool currentVersion = bytes[kVersionAt] == encoded[kVersionAt];
    const auto again = decodeKeptGame(encoded).first;
    if ((currentVersion && encoded != bytes) || !again || encodeKeptGame(*again) != encoded) {
        __builtin_trap();
    }
    return 0;
}
