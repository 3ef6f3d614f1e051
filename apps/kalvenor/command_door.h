#pragma once

// The door through which another program of the same user sends the main window a command id,
// as a menu item would: a local socket that only this user can open.

#include <QLocalServer>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

namespace kalvenor {

class CommandDoor {
  public:
    enum class State { Open, TakenByAnotherProgram, Unavailable };

    // `deliver` runs an accepted command id, from the event loop and never inside another command:
    // commands are refused while a modal dialog is open, and accepted ones run one after another.
    explicit CommandDoor(std::function<void(int)> deliver);
    CommandDoor(const CommandDoor&) = delete;
    CommandDoor& operator=(const CommandDoor&) = delete;

    State state() const { return state_; }
    const std::filesystem::path& socketPath() const { return socketPath_; }
    // Why the door is not open, in one sentence.
    const std::string& problem() const { return problem_; }

    // How long a connection may take to send its line.
    static constexpr std::chrono::milliseconds messageTimeout{2000};

  private:
    void open();
    bool prepareFolder(const std::filesystem::path& folder);
    bool anotherProgramAnswers() const;
    void serve(class QLocalSocket* socket);
    void fail(std::string problem);
    void deliverPending();

    std::function<void(int)> deliver_;
    QLocalServer server_;
    State state_ = State::Unavailable;
    std::filesystem::path socketPath_;
    std::string problem_;
    std::deque<int> pending_;  // accepted, not yet run
    bool delivering_ = false;
};

}  // namespace kalvenor
