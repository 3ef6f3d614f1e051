#include "private_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kalvenor {
namespace {

std::string because(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

int openReserve() {
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

}  // namespace

ListeningSocket listenPrivately(const std::filesystem::path& path) {
    std::string folder = (path.parent_path() / ".kalvenor-XXXXXX").string();
    sockaddr_un address{};
    if (folder.size() + std::strlen("/socket") >= sizeof(address.sun_path) ||
        path.native().size() >= sizeof(address.sun_path)) {
        return {-1, "the path " + path.string() + " is too long for a socket"};
    }
    if (::mkdtemp(folder.data()) == nullptr) {  // mode 0700
        return {-1, because("cannot create a private folder beside " + path.string())};
    }
    const std::filesystem::path staging = std::filesystem::path(folder) / "socket";
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, staging.c_str(), staging.native().size());

    ListeningSocket result;
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        result.problem = because("cannot make a socket");
    } else if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        result.problem = because("cannot bind a socket beside " + path.string());
    } else if (::chmod(staging.c_str(), S_IRUSR | S_IWUSR) != 0) {
        result.problem = because("cannot make the socket private");
    } else if (::listen(descriptor, SOMAXCONN) != 0) {
        result.problem = because("cannot listen on " + path.string());
    } else if (::rename(staging.c_str(), path.c_str()) != 0) {
        result.problem = because("cannot put the socket at " + path.string());
    } else {
        result.descriptor = descriptor;
    }
    if (result.descriptor < 0) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        ::unlink(staging.c_str());
    }
    ::rmdir(folder.c_str());
    return result;
}

ConnectionTaker::ConnectionTaker(std::string refusal)
    : refusal_(std::move(refusal)), reserve_(openReserve()) {}

ConnectionTaker::~ConnectionTaker() {
    if (reserve_ >= 0) {
        ::close(reserve_);
    }
}

ConnectionTaker::Result ConnectionTaker::takeOne(int listener) {
    for (;;) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) {
            return {Outcome::Taken, connection};
        }
        if (errno == EINTR || errno == ECONNABORTED) {
            continue;  // that connection is gone; others may wait
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return {Outcome::NoneWaiting, -1};
        }
        if ((errno != EMFILE && errno != ENFILE) || reserve_ < 0) {
            return {Outcome::Failed, -1};
        }
        // At the limit the connection would wait for ever and the socket stay readable: free the
        // reserve for a moment to take the connection, say why it is refused, and let it go.
        ::close(reserve_);
        const int refused = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (refused >= 0) {
            ::send(refused, refusal_.data(), refusal_.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            ::close(refused);
        }
        reserve_ = openReserve();
        return {refused >= 0 ? Outcome::RefusedForLackOfDescriptors : Outcome::Failed, -1};
    }
}

}  // namespace kalvenor
