// kalvenor-command ID: sends the running Kalvenor one command id, as its menu would, and prints
// the answer. Exit code 0 when it was accepted, 1 when refused or no program runs, 2 on misuse.

#include <QByteArray>
#include <QFile>
#include <QLocalSocket>
#include <cstdio>
#include <string>
#include <string_view>

#include "command_message.h"
#include "standard_output.h"

namespace {

constexpr int accepted = 0;
constexpr int refused = 1;
constexpr int misused = 2;
constexpr int connectMilliseconds = 5000;
// The program answers between two of its own actions, and a long computer move keeps it busy.
constexpr int answerSeconds = 60;

constexpr const char* usageLine = "Usage: kalvenor-command ID\n";
constexpr const char* helpText =
    "Sends the running Kalvenor the command ID (for example 121: a three-dimensional game\n"
    "of the computer against itself; 150 save, 151 load, 152 game record on or off).\n"
    "Prints the program's answer: \"ok\" (exit status 0) or \"error: \" and the reason (1);\n"
    "1 also when no program runs, 2 for wrong usage.\n"
    "  --help  show this text\n";

int run(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(usageLine, stdout);
        std::fputs(helpText, stdout);
        return accepted;
    }
    if (argc != 2) {
        std::fputs(usageLine, stderr);
        std::fputs(helpText, stderr);
        return misused;
    }
    if (argv[1][0] == '-') {
        std::fprintf(stderr, "kalvenor-command: unknown option \"%s\"\n%s", argv[1], usageLine);
        return misused;
    }
    const auto location = kalvenor::commandSocketLocation();
    QLocalSocket socket;
    socket.connectToServer(QFile::decodeName(location.socket.c_str()));
    if (!socket.waitForConnected(connectMilliseconds)) {
        std::fprintf(stderr, "kalvenor-command: no running Kalvenor answers at %s\n",
                     location.socket.c_str());
        return refused;
    }
    // The argument goes as it is: the program checks it and says what is wrong.
    const std::string message = std::string(argv[1]) + "\n";
    socket.write(message.data(), static_cast<qint64>(message.size()));
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(answerSeconds * 1000)) {
        reply += socket.readAll();
    }
    if (reply.isEmpty()) {
        std::fprintf(stderr,
                     "kalvenor-command: Kalvenor did not answer within %d seconds; it may be busy, and may "
                     "still carry the command out\n",
                     answerSeconds);
        return refused;
    }
    std::fwrite(reply.constData(), 1, static_cast<std::size_t>(reply.size()), stdout);
    return kalvenor::isOkReply(reply.toStdString()) ? accepted : refused;
}

}  // namespace

int main(int argc, char** argv) {
    return kalvenor::exitStatusAfterOutput("kalvenor-command", run(argc, argv));
}
