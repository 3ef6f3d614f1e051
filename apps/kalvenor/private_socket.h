#pragma once

// The listening end of the command door at the level of the operating system: a local socket
// that only this user can open, and the taking of connections when file descriptors run out.

#include <filesystem>
#include <string>

namespace kalvenor {

struct ListeningSocket {
    int descriptor = -1;  // non-blocking, closed on exec; -1 when listening failed
    std::string problem;  // why it failed, in one sentence
};

// Listens at `path`, replacing whatever socket file is there. The socket is bound in a fresh
// private folder beside `path`, made 0600 and only then moved into place, so that no other user
// can ever reach it.
ListeningSocket listenPrivately(const std::filesystem::path& path);

// Takes the connections waiting on a listening socket, even at the file-descriptor limit.
class ConnectionTaker {
  public:
    enum class Outcome {
        Taken,                        // a connection: its descriptor is returned
        NoneWaiting,                  // nothing (more) to take now
        RefusedForLackOfDescriptors,  // one connection was answered with the refusal and closed
        Failed,                       // accepting fails for another reason, or no descriptor could be freed
    };
    struct Result {
        Outcome outcome = Outcome::NoneWaiting;
        int descriptor = -1;
    };

    // `refusal` is written to a connection that cannot be served for lack of descriptors.
    explicit ConnectionTaker(std::string refusal);
    ~ConnectionTaker();
    ConnectionTaker(const ConnectionTaker&) = delete;
    ConnectionTaker& operator=(const ConnectionTaker&) = delete;

    Result takeOne(int listener);

  private:
    std::string refusal_;
    int reserve_ = -1;  // a descriptor held back, freed for a moment to take a connection at the limit
};

}  // namespace kalvenor
