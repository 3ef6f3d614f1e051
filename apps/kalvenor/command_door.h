#pragma once

// The door through which another program of the same user sends the main window a command id,
// as a menu item would: a local socket that only this user can open.

#include <QObject>
#include <QSocketNotifier>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "command_message.h"
#include "private_socket.h"

namespace kalvenor {

class CommandDoor {
  public:
    enum class State { Open, TakenByAnotherProgram, Unavailable };

    // `deliver` runs an accepted command id, from the event loop and never inside another command:
    // commands are refused while a modal dialog is open, and accepted ones run one after another.
    explicit CommandDoor(std::function<void(int)> deliver);
    ~CommandDoor();
    CommandDoor(const CommandDoor&) = delete;
    CommandDoor& operator=(const CommandDoor&) = delete;

    State state() const { return state_; }
    const std::filesystem::path& socketPath() const { return socketPath_; }
    // Why the door is not open, in one sentence.
    const std::string& problem() const { return problem_; }

    // How long a connection may take to send its line.
    static constexpr std::chrono::milliseconds messageTimeout{2000};
    // How long the door waits before it tries again when connections cannot be taken at all.
    static constexpr std::chrono::milliseconds acceptRetry{200};

  private:
    void open();
    bool prepareFolder(const std::filesystem::path& folder);
    bool anotherProgramAnswers() const;
    void takeConnections();
    // Reads one message from an accepted connection, answers it once and closes it.
    void serve(int connection);
    // The reply to a whole message; an accepted command is queued to run.
    std::string answerTo(const ParsedMessage& message);
    void fail(std::string problem);
    void deliverPending();

    std::function<void(int)> deliver_;
    QObject context_;  // parent of the connections and the timers
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listenerReady_;
    ConnectionTaker taker_;
    bool toldOutOfDescriptors_ = false;
    State state_ = State::Unavailable;
    std::filesystem::path socketPath_;
    std::string problem_;
    std::deque<int> pending_;  // accepted, not yet run
    bool delivering_ = false;
};

}  // namespace kalvenor
