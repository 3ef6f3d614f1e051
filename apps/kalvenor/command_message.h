#pragma once

// The message that carries one command id to the running program: one line holding the id in
// decimal, ended by a newline. The answer is one line too: "ok", or "error: " and the reason.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

namespace kalvenor {

inline constexpr std::size_t maxCommandMessageBytes = 64;  // newline included
inline constexpr int maxCommandId = 65535;                 // a command id fills 16 bits

struct IncompleteMessage {};  // no newline yet: wait for more
struct CommandRequest {
    int commandId = 0;
};
struct RejectedMessage {
    std::string reason;
};
using ParsedMessage = std::variant<IncompleteMessage, CommandRequest, RejectedMessage>;

// Parses everything received so far on one connection.
ParsedMessage parseCommandMessage(std::string_view received);
// What to answer when the connection ends or times out before a whole line arrived.
RejectedMessage unterminatedMessage();

std::string okReply();
std::string errorReply(std::string_view reason);
// True for an "ok" answer line (its newline optional).
bool isOkReply(std::string_view reply);

#ifndef _WIN32
// Where the running program listens: in the user's runtime folder, or, where there is none, in
// a private folder of this user under /tmp.
struct CommandSocketLocation {
    std::filesystem::path folder;
    std::filesystem::path socket;
    bool folderIsOurs = false;  // the /tmp fallback, which the program creates and checks itself
};
CommandSocketLocation commandSocketLocation();
#endif

}  // namespace kalvenor
