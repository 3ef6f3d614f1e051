#include "command_door.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>

#include "command_message.h"

namespace kalvenor {
namespace {

constexpr mode_t ownerReadWrite = S_IRUSR | S_IWUSR;

QString nativePath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

void answer(QLocalSocket* socket, const std::string& reply) {
    socket->write(reply.data(), static_cast<qint64>(reply.size()));
    socket->flush();
    socket->disconnectFromServer();  // after the reply has been written
}

}  // namespace

CommandDoor::CommandDoor(std::function<void(int)> deliver) : deliver_(std::move(deliver)) {
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            serve(socket);
        }
    });
    open();
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
        // Left behind by a program that ended without closing it.
        QLocalServer::removeServer(nativePath(socketPath_));
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(nativePath(socketPath_))) {
        return fail("cannot listen on " + socketPath_.string() + ": " + server_.errorString().toStdString());
    }
    // Only the owner may connect: make sure of it rather than trust the option.
    struct stat made {};
    if (::chmod(socketPath_.c_str(), ownerReadWrite) != 0 || ::lstat(socketPath_.c_str(), &made) != 0 ||
        (made.st_mode & 0777) != ownerReadWrite || made.st_uid != ::getuid()) {
        server_.close();
        return fail("cannot make " + socketPath_.string() + " private to this user");
    }
    state_ = State::Open;
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

void CommandDoor::serve(QLocalSocket* socket) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<std::string>();
    auto* timeout = new QTimer(socket);
    timeout->setSingleShot(true);
    QObject::connect(timeout, &QTimer::timeout, socket,
                     [socket] { answer(socket, errorReply(unterminatedMessage().reason)); });
    timeout->start(messageTimeout);

    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received, timeout] {
        if (!timeout->isActive()) {
            return;  // already answered
        }
        ParsedMessage parsed = IncompleteMessage{};
        // Read no more than one message can hold, however much is sent.
        while (std::holds_alternative<IncompleteMessage>(parsed) && socket->bytesAvailable() > 0) {
            const QByteArray chunk =
                socket->read(static_cast<qint64>(maxCommandMessageBytes - received->size()));
            received->append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
            parsed = parseCommandMessage(*received);
        }
        if (std::holds_alternative<IncompleteMessage>(parsed)) {
            return;
        }
        timeout->stop();
        if (const auto* rejected = std::get_if<RejectedMessage>(&parsed)) {
            return answer(socket, errorReply(rejected->reason));
        }
        if (QApplication::activeModalWidget() != nullptr) {
            return answer(socket, errorReply("a dialog of the program is open; answer it and send again"));
        }
        answer(socket, okReply());
        pending_.push_back(std::get<CommandRequest>(parsed).commandId);
        QTimer::singleShot(0, &server_, [this] { deliverPending(); });
    });
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
