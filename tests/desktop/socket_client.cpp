#include "desktop/socket_client.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>

namespace kalvenor::testing {

QByteArray exchangeWithDoor(const QString& socketPath, const QByteArray& message, int timeoutMs) {
    QLocalSocket client;
    client.connectToServer(socketPath);
    QElapsedTimer elapsed;
    elapsed.start();
    while (client.state() == QLocalSocket::ConnectingState && elapsed.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
    }
    if (client.state() != QLocalSocket::ConnectedState) {
        return {};
    }
    client.write(message);
    client.flush();
    QByteArray reply;
    while (!reply.contains('\n') && elapsed.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        client.waitForReadyRead(5);
        reply += client.readAll();
        if (client.state() == QLocalSocket::UnconnectedState) {
            reply += client.readAll();
            break;
        }
    }
    return reply;
}

}  // namespace kalvenor::testing
