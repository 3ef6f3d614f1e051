#pragma once

// A client of the command door for tests that run the door in the same thread: it keeps the
// event loop turning while it waits for the answer.

#include <QByteArray>
#include <QString>

namespace kalvenor::testing {

// Sends `message` as it is and returns the answer (empty when none came within the time).
QByteArray exchangeWithDoor(const QString& socketPath, const QByteArray& message, int timeoutMs = 5000);

}  // namespace kalvenor::testing
