#include "command_door.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "command_message.h"

namespace kalvenor {
namespace {

QString nativePath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

CommandDoor::CommandDoor(std::function<void(int)> deliver)
    : deliver_(std::move(deliver)),
      taker_(errorReply("the program has run out of file descriptors; try again later")) {
    open();
}

CommandDoor::~CommandDoor() {
    if (listener_ >= 0) {
        listenerReady_.reset();
        ::close(listener_);
        ::unlink(socketPath_.c_str());
    }
}

void CommandDoor::open() {
    const CommandSocketLocation location = commandSocketLocation();
    socketPath_ = location.socket;
    if (location.folderIsOurs && !prepareFolder(location.folder)) {
        return;
    }
    if (anotherProgramAnswers()) {
        state_ = State::TakenByAnotherProgram;
        problem_ = "another Kalvenor already listens on " + socketPath_.string();
        return;
    }
    struct stat existing {};
    if (::lstat(socketPath_.c_str(), &existing) == 0) {
        if (!S_ISSOCK(existing.st_mode)) {
            return fail(socketPath_.string() + " exists and is not a socket; it was left alone");
        }
        // Left behind by a program that ended without closing it: listening replaces it.
    }
    ListeningSocket listening = listenPrivately(socketPath_);
    if (listening.descriptor < 0) {
        return fail(std::move(listening.problem));
    }
    listener_ = listening.descriptor;
    listenerReady_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(listenerReady_.get(), &QSocketNotifier::activated, &context_,
                     [this] { takeConnections(); });
    state_ = State::Open;
}

void CommandDoor::takeConnections() {
    for (;;) {
        const ConnectionTaker::Result taken = taker_.takeOne(listener_);
        switch (taken.outcome) {
            case ConnectionTaker::Outcome::Taken: {
                toldOutOfDescriptors_ = false;
                serve(taken.descriptor);
                continue;
            }
            case ConnectionTaker::Outcome::RefusedForLackOfDescriptors:
                if (!std::exchange(toldOutOfDescriptors_, true)) {
                    std::fprintf(stderr,
                                 "kalvenor: out of file descriptors: commands are refused until some are "
                                 "free; the command door stays open\n");
                }
                continue;
            case ConnectionTaker::Outcome::NoneWaiting:
                return;
            case ConnectionTaker::Outcome::Failed:
                // Keep listening, but do not spin on a socket that stays readable: look again soon.
                listenerReady_->setEnabled(false);
                QTimer::singleShot(acceptRetry, &context_, [this] { listenerReady_->setEnabled(true); });
                return;
        }
    }
}

bool CommandDoor::prepareFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        fail("cannot create " + folder.string() + ": " + std::strerror(errno));
        return false;
    }
    // Someone else may have made the folder first: use it only if it is ours and private.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0) {
        fail(folder.string() + " is not a private folder of this user");
        return false;
    }
    return true;
}

bool CommandDoor::anotherProgramAnswers() const {
    QLocalSocket probe;
    probe.connectToServer(nativePath(socketPath_));
    return probe.waitForConnected(500);
}

void CommandDoor::fail(std::string problem) {
    state_ = State::Unavailable;
    problem_ = std::move(problem);
}

void CommandDoor::serve(int connection) {
    // The connection lives as long as its notifier: deleting the notifier (at the answer, or with
    // the door) closes it.
    auto* readable = new QSocketNotifier(connection, QSocketNotifier::Read, &context_);
    QObject::connect(readable, &QObject::destroyed, [connection] { ::close(connection); });
    const auto answerOnce = [readable, connection](const std::string& reply) {
        if (!readable->isEnabled()) {
            return;  // answered already; the notifier goes at the next turn of the event loop
        }
        ::send(connection, reply.data(), reply.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        readable->setEnabled(false);
        readable->deleteLater();
    };
    auto* timeout = new QTimer(readable);
    timeout->setSingleShot(true);
    QObject::connect(timeout, &QTimer::timeout, readable,
                     [answerOnce] { answerOnce(errorReply(unterminatedMessage().reason)); });
    timeout->start(messageTimeout);

    auto received = std::make_shared<std::string>();
    QObject::connect(readable, &QSocketNotifier::activated, readable,
                     [this, connection, received, answerOnce] {
                         // Read no more than one message can hold, however much is sent.
                         std::array<char, maxCommandMessageBytes> buffer{};
                         const ssize_t got =
                             ::recv(connection, buffer.data(), maxCommandMessageBytes - received->size(), 0);
                         if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
                             return;
                         }
                         if (got <= 0) {
                             // The sender closed its side (or the connection failed) before a whole line
                             // came.
                             return answerOnce(errorReply(unterminatedMessage().reason));
                         }
                         received->append(buffer.data(), static_cast<std::size_t>(got));
                         const ParsedMessage parsed = parseCommandMessage(*received);
                         if (!std::holds_alternative<IncompleteMessage>(parsed)) {
                             answerOnce(answerTo(parsed));
                         }
                     });
}

std::string CommandDoor::answerTo(const ParsedMessage& message) {
    if (const auto* rejected = std::get_if<RejectedMessage>(&message)) {
        return errorReply(rejected->reason);
    }
    if (QApplication::activeModalWidget() != nullptr) {
        return errorReply("a dialog of the program is open; answer it and send again");
    }
    pending_.push_back(std::get<CommandRequest>(message).commandId);
    QTimer::singleShot(0, &context_, [this] { deliverPending(); });
    return okReply();
}

void CommandDoor::deliverPending() {
    if (delivering_) {
        return;  // called from a dialog's loop inside a command: the outer call runs the rest
    }
    delivering_ = true;
    while (!pending_.empty()) {
        const int commandId = pending_.front();
        pending_.pop_front();
        deliver_(commandId);
    }
    delivering_ = false;
}

}  // namespace kalvenor
