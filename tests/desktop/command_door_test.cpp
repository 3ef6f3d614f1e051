// The command door: a private socket that accepts one good command id per connection, refuses
// everything else with a reason, and never takes over another program's socket.

#include "command_door.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "command_message.h"
#include "desktop/socket_client.h"

using kalvenor::CommandDoor;
using kalvenor::testing::exchangeWithDoor;

namespace {

// Binds a socket file and closes it without removing it, as a program that crashed leaves it.
void leaveStaleSocket(const std::filesystem::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    ::close(fd);
}

// Holds every free file descriptor of the process but `spare`, under a lowered limit, until it goes.
class DescriptorsExhausted {
  public:
    explicit DescriptorsExhausted(int spare) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min<rlim_t>(saved_.rlim_cur, 256);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) {
            held_.push_back(fd);
        }
        for (; spare > 0 && !held_.empty(); --spare) {
            ::close(held_.back());
            held_.pop_back();
        }
    }
    ~DescriptorsExhausted() {
        for (const int fd : held_) {
            ::close(fd);
        }
        ::setrlimit(RLIMIT_NOFILE, &saved_);
    }
    DescriptorsExhausted(const DescriptorsExhausted&) = delete;
    DescriptorsExhausted& operator=(const DescriptorsExhausted&) = delete;

  private:
    rlimit saved_{};
    std::vector<int> held_;
};

// Connects to `path` with a plain socket, sends `message` and then, if asked, closes the sending
// side; reads what the door answers while the event loop turns (the door runs in this thread).
enum class AfterSending { KeepOpen, CloseSendingSide };
QByteArray answerToBareConnection(const std::filesystem::path& path, const QByteArray& message = {},
                                  AfterSending after = AfterSending::KeepOpen) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return "no socket";
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::send(fd, message.constData(), static_cast<std::size_t>(message.size()), MSG_NOSIGNAL) ==
            message.size() &&
        (after == AfterSending::KeepOpen || ::shutdown(fd, SHUT_WR) == 0)) {
        QDeadlineTimer deadline(5000);
        while (!answer.endsWith('\n') && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            char buffer[128];
            const ssize_t got = ::recv(fd, buffer, sizeof(buffer), MSG_DONTWAIT);
            if (got > 0) {
                answer.append(buffer, static_cast<qsizetype>(got));
            } else if (got == 0) {
                break;
            }
        }
    }
    ::close(fd);
    return answer;
}

// Runs `body` with standard error going to a file; what it wrote there.
template <typename Body>
QByteArray standardErrorOf(Body body) {
    QTemporaryFile file;
    if (!file.open()) {
        return "no file";
    }
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
    body();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    file.seek(0);
    return file.readAll();
}

}  // namespace

class CommandDoorTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir runtimeFolder_;
    std::vector<int> delivered_;

    std::unique_ptr<CommandDoor> openDoor() {
        return std::make_unique<CommandDoor>([this](int id) { delivered_.push_back(id); });
    }
    static QString pathOf(const CommandDoor& door) { return QFile::decodeName(door.socketPath().c_str()); }

  private slots:
    void init() {
        QVERIFY(runtimeFolder_.isValid());
        ::setenv("XDG_RUNTIME_DIR", runtimeFolder_.path().toLocal8Bit().constData(), 1);
        delivered_.clear();
    }

    void listensOnAPrivateSocketInTheRuntimeFolder() {
        auto door = openDoor();
        QCOMPARE(door->state(), CommandDoor::State::Open);
        QCOMPARE(QString::fromStdString(door->socketPath().parent_path().string()), runtimeFolder_.path());
        struct stat info {};
        QCOMPARE(::lstat(door->socketPath().c_str(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 0777, mode_t{0600});
        QCOMPARE(info.st_uid, ::getuid());
    }

    void aGoodCommandIsAnsweredOkAndDeliveredOnce() {
        auto door = openDoor();
        QCOMPARE(exchangeWithDoor(pathOf(*door), "121\n"), QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, std::vector<int>{121});
        QCOMPARE(exchangeWithDoor(pathOf(*door), "152\r\n"), QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, (std::vector<int>{121, 152}));
    }

    void badMessagesAreRefusedWithAReasonAndChangeNothing() {
        auto door = openDoor();
        for (const QByteArray& bad : {QByteArray("abc\n"), QByteArray("0\n"), QByteArray("65536\n"),
                                      QByteArray("121\n122\n"), QByteArray(100, '1'), QByteArray("\n")}) {
            const QByteArray reply = exchangeWithDoor(pathOf(*door), bad);
            QVERIFY2(reply.startsWith("error: ") && reply.endsWith("\n"), reply.constData());
        }
        QTest::qWait(20);
        QVERIFY(delivered_.empty());
    }

    void aMessageWithoutNewlineTimesOut() {
        auto door = openDoor();
        const QByteArray reply =
            exchangeWithDoor(pathOf(*door), "121", 2 * CommandDoor::messageTimeout.count());
        QVERIFY2(reply.startsWith("error: "), reply.constData());
        QTest::qWait(20);
        QVERIFY(delivered_.empty());
    }

    // A sender that closes its side before the newline still hears why nothing was done.
    void aMessageClosedWithoutNewlineIsAnswered() {
        auto door = openDoor();
        QCOMPARE(answerToBareConnection(door->socketPath(), "121", AfterSending::CloseSendingSide),
                 QByteArray::fromStdString(kalvenor::errorReply(kalvenor::unterminatedMessage().reason)));
        QCOMPARE(answerToBareConnection(door->socketPath(), "121\n", AfterSending::CloseSendingSide),
                 QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, std::vector<int>{121});
    }

    void commandsAreRefusedWhileADialogIsOpen() {
        auto door = openDoor();
        QMessageBox box(QMessageBox::Question, "確認", "?", QMessageBox::Yes | QMessageBox::No);
        box.setModal(true);
        box.show();
        QVERIFY(QApplication::activeModalWidget() == &box);
        QVERIFY(exchangeWithDoor(pathOf(*door), "121\n").startsWith("error: "));
        box.hide();
        QCOMPARE(exchangeWithDoor(pathOf(*door), "121\n"), QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, std::vector<int>{121});
    }

    void aSecondProgramDoesNotStealTheSocket() {
        auto first = openDoor();
        std::vector<int> secondDelivered;
        CommandDoor second([&](int id) { secondDelivered.push_back(id); });
        QCOMPARE(second.state(), CommandDoor::State::TakenByAnotherProgram);
        QVERIFY(!second.problem().empty());
        QCOMPARE(exchangeWithDoor(pathOf(*first), "102\n"), QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, std::vector<int>{102});
        QVERIFY(secondDelivered.empty());
    }

    // At the descriptor limit a connection cannot be taken in: it is refused with a reason (said
    // once on standard error), and the door goes on listening for the time descriptors are free.
    void runningOutOfDescriptorsRefusesButKeepsListening() {
        auto door = openDoor();
        const std::filesystem::path path = door->socketPath();
        std::vector<QByteArray> answers;
        const QByteArray told = standardErrorOf([&] {
            const DescriptorsExhausted exhausted(1);  // the one the client's socket takes
            answers.push_back(answerToBareConnection(path));
            answers.push_back(answerToBareConnection(path));
        });
        for (const QByteArray& answer : answers) {
            QVERIFY2(answer.startsWith("error: ") && answer.contains("file descriptors"), answer.constData());
        }
        QCOMPARE(told.count("out of file descriptors"), 1);
        QVERIFY(std::filesystem::exists(path));
        QCOMPARE(exchangeWithDoor(pathOf(*door), "121\n"), QByteArray("ok\n"));
        QTRY_COMPARE(delivered_, std::vector<int>{121});
    }

    void aStaleSocketIsReplacedButOtherFilesAreLeftAlone() {
        const std::filesystem::path path = kalvenor::commandSocketLocation().socket;
        leaveStaleSocket(path);
        {
            auto door = openDoor();
            QCOMPARE(door->state(), CommandDoor::State::Open);
            QCOMPARE(exchangeWithDoor(pathOf(*door), "104\n"), QByteArray("ok\n"));
        }
        QFile blocker(QFile::decodeName(path.c_str()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("mine");
        blocker.close();
        auto door = openDoor();
        QCOMPARE(door->state(), CommandDoor::State::Unavailable);
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("mine"));
        blocker.remove();
    }
};

QTEST_MAIN(CommandDoorTest)
#include "command_door_test.moc"
