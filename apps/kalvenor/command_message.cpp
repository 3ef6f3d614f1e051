#include "command_message.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace kalvenor {

ParsedMessage parseCommandMessage(std::string_view received) {
    const std::size_t newline = received.find('\n');
    if (newline == std::string_view::npos) {
        if (received.size() >= maxCommandMessageBytes) {
            return RejectedMessage{"the message is longer than 64 bytes"};
        }
        return IncompleteMessage{};
    }
    if (newline + 1 > maxCommandMessageBytes) {
        return RejectedMessage{"the message is longer than 64 bytes"};
    }
    if (newline + 1 != received.size()) {
        return RejectedMessage{"one command per message: nothing may follow the newline"};
    }
    std::string_view line = received.substr(0, newline);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return RejectedMessage{"the message is empty: send a command id such as 121"};
    }
    if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return RejectedMessage{"not a decimal command id: send digits only, such as 121"};
    }
    int id = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), id);
    if (error != std::errc{} || end != line.data() + line.size() || id < 1 || id > maxCommandId) {
        return RejectedMessage{"the command id is out of range 1..65535"};
    }
    return CommandRequest{id};
}

RejectedMessage unterminatedMessage() {
    return {"the message did not end with a newline"};
}

std::string okReply() {
    return "ok\n";
}

std::string errorReply(std::string_view reason) {
    return "error: " + std::string(reason) + "\n";
}

bool isOkReply(std::string_view reply) {
    return reply == "ok\n" || reply == "ok";
}

#ifndef _WIN32
CommandSocketLocation commandSocketLocation() {
    constexpr const char* socketName = "kalvenor-command.socket";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && std::filesystem::path(runtime).is_absolute()) {
        const std::filesystem::path folder(runtime);
        return {folder, folder / socketName, false};
    }
    const std::filesystem::path folder = "/tmp/kalvenor-" + std::to_string(::getuid());
    return {folder, folder / socketName, true};
}
#endif

}  // namespace kalvenor
