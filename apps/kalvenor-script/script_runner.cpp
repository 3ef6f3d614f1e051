#include "script_runner.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "game/cpu_level.h"
#include "game/game_file.h"
#include "game/game_keeper.h"
#include "game/slice_navigation.h"
#include "game/threat_marks.h"
#include "platform/headless/headless.h"
#include "script_line.h"
#include "script_render.h"
#include "ui/board_layout_choice.h"
#include "ui/main_window.h"

namespace kalvenor::script {

namespace {

namespace hl = platform::headless;

// One run: the session, its window and the lines of the answers still waiting for a prompt.
class ScriptRun {
  public:
    ScriptRun(std::ostream& out, std::ostream& err, const std::optional<std::filesystem::path>& stateFolder)
        : out_(out) {
        window_ = openMainWindow(session_);
        if (window_ == nullptr) {
            throw ScriptError("the main window could not be created");
        }
        if (stateFolder) {
            keeper_ = keepGameIn(session_, *stateFolder, [&err](const std::string& line) {
                err << "kalvenor-script: " << line << '\n';
            });
        }
        hl::setPromptObserver(window_,
                              {[this](const hl::MessageBoxRecord& box) {
                                   if (box.answer) {
                                       printMessageBox(out_, box);
                                   }
                               },
                               [this](const hl::FileDialogRecord& dialog) {
                                   if (dialog.answered) {
                                       printFileDialog(out_, dialog);
                                   }
                               },
                               [this](const hl::HelpWindowRecord& help) { printHelpWindow(out_, help); }});
    }

    ~ScriptRun() {
        // Closing the window runs the program's own end (Destroy); a prompt there has no answer.
        try {
            close();
        } catch (const std::exception&) {
        }
    }

    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    void run(const Action& action, int lineNumber) {
        if (hl::postedExitCode(window_)) {
            throw ScriptError("the program has quit: nothing more can run");
        }
        switch (action.kind) {
            case ActionKind::Command:
                hl::sendMenuCommand(window_, action.number);
                break;
            case ActionKind::ClickCell:
                clickCell(action.number);
                break;
            case ActionKind::ClickStep:
                clickSlot(session_.view.vsControls, action.number,
                          "step button " + std::to_string(action.number),
                          "only games of the computer against itself have step buttons");
                break;
            case ActionKind::ClickGuide:
                clickSlot(session_.view.guideControls, action.number + 1,
                          "guide button " + std::to_string(action.number), "the view has no guide buttons");
                break;
            case ActionKind::ClickPass:
                clickSlot(
                    session_.view.guideControls, 4, "pass button",
                    "views of three or more axes have one, except in games of the computer against itself");
                break;
            case ActionKind::ClickAxis:
                clickSlot(session_.view.axisControls, axis_slot::caption(action.number),
                          "axis " + std::to_string(action.number),
                          "the view has one axis group per axis beyond the third");
                break;
            case ActionKind::ClickLabel:
                clickSlot(session_.view.infoLabels, action.number, "label " + std::to_string(action.number),
                          "InfoLabels has no such slot in this view");
                break;
            case ActionKind::Slide:
                slide(action.number, action.position);
                break;
            case ActionKind::Answer:
                hl::queueMessageBoxAnswer(window_, action.answer);
                boxAnswerLines_.push_back(lineNumber);
                break;
            case ActionKind::File:
                hl::queueFileDialogAnswer(window_, action.path);
                dialogAnswerLines_.push_back(lineNumber);
                break;
            case ActionKind::Show:
                printWindow(out_, session_, keysUsed_);
                break;
            case ActionKind::Key:
                keysUsed_ = true;
                hl::pressKey(window_, action.number, action.position != 0);
                break;
            case ActionKind::State:
                printState(out_, session_.state);
                break;
            case ActionKind::Menu:
                printMenu(out_, hl::windowDesc(window_).menuBar);
                break;
            case ActionKind::Choose:
                hl::sendMenuCommand(window_, menuCommandAt(action.menuPath));
                break;
            case ActionKind::Level:
                setCpuLevel(session_, static_cast<CpuLevel>(action.number));
                break;
            case ActionKind::Threats:
                printThreats(out_, threatsOf(session_));
                break;
            case ActionKind::Follow:
                setFollowPlay(session_, action.number == 1);
                break;
            case ActionKind::Warnings:
                setThreatMarks(session_, action.number == 1);
                break;
            case ActionKind::Layout:
                setBoardLayout(session_, action.number == 1 ? BoardLayout::Large : BoardLayout::Classic);
                break;
            case ActionKind::Geometry:
                printGeometry(out_, session_);
                break;
            case ActionKind::Confirm:
                session_.fileHandling.askBeforeDiscarding = action.number == 1;
                break;
            case ActionKind::Title:
                if (action.number < 0) {
                    printWindowTitle(out_, session_);
                } else {
                    setTitleNamesFile(session_, action.number == 1);
                }
                break;
            case ActionKind::Board:
                if (!session_.board) {
                    throw ScriptError("there is no board yet: no game has been started or loaded");
                }
                printBoard(out_, *session_.board);
                break;
        }
        forgetTakenAnswers();
    }

    // The line of an answer that no prompt took, if any.
    std::optional<std::pair<int, std::string>> unusedAnswer() const {
        const auto firstUnused = [](const std::deque<int>& lines, std::size_t pending) {
            return lines[lines.size() - pending];
        };
        std::optional<std::pair<int, std::string>> found;
        if (const std::size_t pending = hl::pendingMessageBoxAnswers(window_)) {
            found = {firstUnused(boxAnswerLines_, pending), "no message box took this answer"};
        }
        if (const std::size_t pending = hl::pendingFileDialogAnswers(window_)) {
            const int line = firstUnused(dialogAnswerLines_, pending);
            if (!found || line < found->first) {
                found = {line, "no file dialog took this answer"};
            }
        }
        return found;
    }

    // Ends the program as closing its window does; the exit code it posted.
    int close() {
        if (window_ == nullptr) {
            return 0;
        }
        platform::WindowHandle window = std::exchange(window_, nullptr);
        // The code of an earlier quit command stands; otherwise the end that Destroy runs posts 0.
        const std::optional<int> exitCode = hl::postedExitCode(window);
        platform::destroyMainWindow(window);
        return exitCode.value_or(0);
    }

  private:
    // Only the lines of answers still waiting are kept, however long the script.
    void forgetTakenAnswers() {
        while (boxAnswerLines_.size() > hl::pendingMessageBoxAnswers(window_)) {
            boxAnswerLines_.pop_front();
        }
        while (dialogAnswerLines_.size() > hl::pendingFileDialogAnswers(window_)) {
            dialogAnswerLines_.pop_front();
        }
    }

    // The command id of the menu item a person reaches through `path`, from the menu bar down.
    int menuCommandAt(const std::vector<std::string>& path) const {
        const std::vector<platform::MenuItem>* items = &hl::windowDesc(window_).menuBar;
        std::string reached;
        for (std::size_t depth = 0; depth < path.size(); ++depth) {
            const auto found =
                std::find_if(items->begin(), items->end(), [&](const platform::MenuItem& item) {
                    return !item.isSeparator() && item.text == path[depth];
                });
            if (found == items->end()) {
                throw ScriptError("no menu item '" + path[depth] + "'" +
                                  (reached.empty() ? " on the menu bar" : " under '" + reached + "'"));
            }
            reached += (reached.empty() ? "" : " › ") + found->text;
            if (depth + 1 == path.size()) {
                if (!found->items.empty()) {
                    throw ScriptError("'" + reached + "' opens a menu; choose one of its items");
                }
                return found->commandId;
            }
            if (found->items.empty()) {
                throw ScriptError("'" + reached + "' is a command and has no items");
            }
            items = &found->items;
        }
        throw ScriptError("'choose' needs a menu path");
    }

    void clickCell(int cell) {
        const auto& buttons = session_.view.cellButtons;
        const std::int64_t slot = static_cast<std::int64_t>(cell) - session_.state.viewOffset;
        if (buttons.empty() || slot < 0 || slot >= static_cast<std::int64_t>(buttons.size()) ||
            buttons[static_cast<std::size_t>(slot)] == nullptr) {
            throw ScriptError("the view shows no cell " + std::to_string(cell));
        }
        click(buttons[static_cast<std::size_t>(slot)], "cell " + std::to_string(cell));
    }

    void clickSlot(const std::vector<platform::ControlHandle>& controls, int slot, const std::string& what,
                   const std::string& why) {
        if (slot < 0 || static_cast<std::size_t>(slot) >= controls.size() ||
            controls[static_cast<std::size_t>(slot)] == nullptr) {
            throw ScriptError("there is no " + what + " (" + why + ")");
        }
        click(controls[static_cast<std::size_t>(slot)], what);
    }

    void click(platform::ControlHandle control, const std::string& what) {
        if (!hl::isLive(window_, control)) {
            throw ScriptError("the " + what + " no longer exists");
        }
        if (!hl::record(control).visible()) {
            throw ScriptError("the " + what + " takes no room on the screen and cannot be clicked");
        }
        hl::click(control);
    }

    void slide(int axis, int position) {
        const platform::ControlHandle trackBar = axisGroup(session_.view, axis).trackBar;
        if (trackBar == nullptr || !hl::isLive(window_, trackBar)) {
            throw ScriptError("there is no track bar " + std::to_string(axis) +
                              " (the view has one per axis beyond the third)");
        }
        const hl::ControlRecord& bar = hl::record(trackBar);
        if (position < bar.trackMinimum || position > bar.trackMaximum) {
            throw ScriptError("position " + std::to_string(position) + " is outside the track bar's range " +
                              std::to_string(bar.trackMinimum) + ".." + std::to_string(bar.trackMaximum));
        }
        hl::dragTrackBar(trackBar, position);
    }

    std::ostream& out_;
    Session session_;
    std::shared_ptr<GameKeeper> keeper_;
    platform::WindowHandle window_ = nullptr;
    std::deque<int> boxAnswerLines_;
    std::deque<int> dialogAnswerLines_;
    // Transcripts without key lines show the window as they always have: no keyboard focus.
    bool keysUsed_ = false;
};

}  // namespace

int runScript(std::istream& input, std::ostream& out, std::ostream& err, bool echo,
              const std::optional<std::filesystem::path>& stateFolder) {
    ScriptInput lines(input);
    return runScript(lines, out, err, echo, stateFolder);
}

int runScript(ScriptInput& input, std::ostream& out, std::ostream& err, bool echo,
              const std::optional<std::filesystem::path>& stateFolder) {
    const auto fail = [&](int line, const std::string& reason) {
        out.flush();
        err << "error: line " << line << ": " << reason << '\n';
        return kScriptFailed;
    };
    try {
        ScriptRun run(out, err, stateFolder);
        while (const std::optional<std::string> line = input.nextLine()) {
            if (echo) {
                out << "> " << *line << '\n';
            }
            if (const std::optional<Action> action = parseLine(*line)) {
                run.run(*action, input.lineNumber());
            }
        }
        if (const auto unused = run.unusedAnswer()) {
            return fail(unused->first, unused->second);
        }
        return run.close();
    } catch (const ScriptError& error) {
        return fail(input.lineNumber(), error.what());
    } catch (const hl::UnansweredPrompt& error) {
        return fail(input.lineNumber(), error.what());
    } catch (const hl::UsageError& error) {
        return fail(input.lineNumber(), error.what());
    } catch (const std::exception& error) {
        return fail(input.lineNumber(), std::string("the program failed: ") + error.what());
    }
}

}  // namespace kalvenor::script
