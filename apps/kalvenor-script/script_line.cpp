#include "script_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "cpu/levels.h"

namespace kalvenor::script {

namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    while (!(text = trimmed(text)).empty()) {
        const auto end = std::min(text.find_first_of(kBlanks), text.size());
        result.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return result;
}

std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

constexpr int kLargest = 1 << 30;  // no upper bound of its own: the view decides

// The words of one line, consumed left to right with a reason for every way they can be wrong.
class Words {
  public:
    explicit Words(std::string_view line) : words_(words(line)) {}

    std::string_view next(std::string_view what) {
        if (index_ >= words_.size()) {
            throw ScriptError(std::string(context()) + " needs " + std::string(what));
        }
        return words_[index_++];
    }

    int number(std::string_view what, int minimum, int maximum) {
        const std::string_view word = next(what);
        int value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size()) {
            throw ScriptError(quoted(word) + " is not a number (" + std::string(what) + ")");
        }
        // "-0" is below every range that starts at 0, as its sign says, though its value is not.
        const bool below = value < minimum || (word.starts_with('-') && minimum >= 0);
        if (below && maximum == kLargest) {
            throw ScriptError(std::string(what) + " cannot be " + std::string(word));
        }
        if (below || value > maximum) {
            throw ScriptError(std::string(what) + " " + std::string(word) + " is outside " +
                              std::to_string(minimum) + ".." + std::to_string(maximum));
        }
        return value;
    }

    void end() const {
        if (index_ < words_.size()) {
            throw ScriptError("unexpected " + quoted(words_[index_]) + " after " + std::string(context()));
        }
    }

    std::string context() const {
        std::string text;
        for (std::size_t i = 0; i < index_; ++i) {
            text += (i == 0 ? "" : " ") + std::string(words_[i]);
        }
        return quoted(text);
    }

  private:
    std::vector<std::string_view> words_;
    std::size_t index_ = 0;
};

// "on" as 1, "off" as 0.
int onOrOff(Words& words) {
    const std::string_view word = words.next("on or off");
    if (word != "on" && word != "off") {
        throw ScriptError("expected on or off, not " + quoted(word));
    }
    return word == "on" ? 1 : 0;
}

Action actionOf(ActionKind kind, int number = 0) {
    Action action;
    action.kind = kind;
    action.number = number;
    return action;
}

Action parseClick(Words& words) {
    const std::string_view target = words.next("what to click: cell, step, guide, pass, axis or label");
    if (target == "cell") {
        return actionOf(ActionKind::ClickCell, words.number("a cell index", 0, kLargest));
    }
    if (target == "step") {
        return actionOf(ActionKind::ClickStep, words.number("a step button", 1, 4));
    }
    if (target == "guide") {
        return actionOf(ActionKind::ClickGuide, words.number("a guide level", 0, 2));
    }
    if (target == "pass") {
        return actionOf(ActionKind::ClickPass);
    }
    if (target == "axis") {
        return actionOf(ActionKind::ClickAxis, words.number("an axis", 0, 4));
    }
    if (target == "label") {
        return actionOf(ActionKind::ClickLabel, words.number("a label slot", 0, kLargest));
    }
    throw ScriptError("cannot click " + quoted(target) + ": cell, step, guide, pass, axis or label");
}

Action parseAnswer(Words& words) {
    static constexpr std::array<platform::MessageBoxResult, 6> kAnswers = {
        platform::MessageBoxResult::Yes,     platform::MessageBoxResult::No,
        platform::MessageBoxResult::Ok,      platform::MessageBoxResult::Save,
        platform::MessageBoxResult::Discard, platform::MessageBoxResult::Cancel};
    const std::string_view answer = words.next("yes, no, ok, save, discard or cancel");
    const auto found = std::find_if(
        kAnswers.begin(), kAnswers.end(),
        [answer](platform::MessageBoxResult each) { return platform::answerName(each) == answer; });
    if (found == kAnswers.end()) {
        throw ScriptError("the answer to a message box is yes, no, ok, save, discard or cancel, not " +
                          quoted(answer));
    }
    Action action = actionOf(ActionKind::Answer);
    action.answer = *found;
    return action;
}

// The rest of the line after "file" is the path, so that it may hold blanks; "cancel" cancels,
// and a path in double quotes is taken as it stands (a file named cancel is "cancel").
Action parseFile(std::string_view rest) {
    rest = trimmed(rest);
    if (rest.empty()) {
        throw ScriptError("'file' needs a path or cancel");
    }
    Action action = actionOf(ActionKind::File);
    if (rest == "cancel") {
        return action;
    }
    if (rest.front() == '"') {
        if (rest.size() < 3 || rest.back() != '"') {
            throw ScriptError("a quoted path must end with '\"' and not be empty");
        }
        rest = rest.substr(1, rest.size() - 2);
    }
    action.path = std::string(rest);
    return action;
}

// "A › B › C": the texts of a menu path, each trimmed; blanks inside a text belong to it.
Action parseChoose(std::string_view rest) {
    constexpr std::string_view kSeparator = "›";
    Action action = actionOf(ActionKind::Choose);
    for (;;) {
        const auto end = rest.find(kSeparator);
        const std::string_view text = trimmed(rest.substr(0, end));
        if (text.empty()) {
            throw ScriptError("'choose' needs menu texts separated by '›', none of them empty");
        }
        action.menuPath.emplace_back(text);
        if (end == std::string_view::npos) {
            return action;
        }
        rest.remove_prefix(end + kSeparator.size());
    }
}

// "key NAME": the keys of the desktop's board and controls, and any letter key.
Action parseKey(Words& words) {
    struct Named {
        std::string_view name;
        int code;
    };
    static constexpr std::array<Named, 12> kNames = {{
        {"Left", platform::key::Left},
        {"Right", platform::key::Right},
        {"Up", platform::key::Up},
        {"Down", platform::key::Down},
        {"PageUp", platform::key::PageUp},
        {"PageDown", platform::key::PageDown},
        {"Home", platform::key::Home},
        {"End", platform::key::End},
        {"Return", platform::key::Return},
        {"Space", platform::key::Space},
        {"Tab", platform::key::Tab},
        {"Shift+Tab", platform::key::Tab},
    }};
    const std::string_view name = words.next("a key name");
    Action action = actionOf(ActionKind::Key);
    if (name.size() == 1 && name.front() >= 'A' && name.front() <= 'Z') {
        action.number = name.front();
        return action;
    }
    const auto found =
        std::find_if(kNames.begin(), kNames.end(), [name](const Named& key) { return key.name == name; });
    if (found == kNames.end()) {
        throw ScriptError("no key " + quoted(name) +
                          ": Left, Right, Up, Down, PageUp, PageDown, Home, End, Return, Space, Tab, "
                          "Shift+Tab or a letter A..Z");
    }
    action.number = found->code;
    action.position = name == "Shift+Tab" ? 1 : 0;
    return action;
}

}  // namespace

std::optional<Action> parseLine(std::string_view line) {
    // Editors may start a file with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') {
        return std::nullopt;
    }
    Words words(text);
    const std::string_view keyword = words.next("");
    Action action;
    if (keyword == "file") {
        return parseFile(text.substr(keyword.size()));
    } else if (keyword == "choose") {
        return parseChoose(text.substr(keyword.size()));
    } else if (keyword == "menu") {
        action.kind = ActionKind::Menu;
    } else if (keyword == "command") {
        action = actionOf(ActionKind::Command, words.number("a command id", 0, 0xFFFF));
    } else if (keyword == "click") {
        action = parseClick(words);
    } else if (keyword == "slide") {
        action.kind = ActionKind::Slide;
        action.number = words.number("an axis", 0, 4);
        action.position = words.number("a track-bar position", -kLargest, kLargest);
    } else if (keyword == "answer") {
        action = parseAnswer(words);
    } else if (keyword == "show") {
        action.kind = ActionKind::Show;
    } else if (keyword == "state") {
        action.kind = ActionKind::State;
    } else if (keyword == "board") {
        action.kind = ActionKind::Board;
    } else if (keyword == "key") {
        action = parseKey(words);
    } else if (keyword == "take") {
        if (words.next("back") != "back") {
            throw ScriptError("did you mean 'take back'?");
        }
        action = actionOf(ActionKind::Command, 203);  // 待った, as the menu sends it
    } else if (keyword == "redo") {
        action = actionOf(ActionKind::Command, 205);  // やり直し
    } else if (keyword == "level") {
        const std::string_view name = words.next("standard, medium or strong");
        const std::optional<CpuLevel> level = levelNamed(name);
        if (!level) {
            throw ScriptError("the level is standard, medium or strong, not " + quoted(name));
        }
        action = actionOf(ActionKind::Level, static_cast<int>(*level));
    } else if (keyword == "layout") {
        const std::string_view layout = words.next("classic or large");
        if (layout != "classic" && layout != "large") {
            throw ScriptError("the layout is classic or large, not " + quoted(layout));
        }
        action = actionOf(ActionKind::Layout, layout == "large" ? 1 : 0);
    } else if (keyword == "geometry") {
        action.kind = ActionKind::Geometry;
    } else if (keyword == "threats") {
        action.kind = ActionKind::Threats;
    } else if (keyword == "follow" || keyword == "warnings") {
        action = actionOf(keyword == "follow" ? ActionKind::Follow : ActionKind::Warnings, onOrOff(words));
    } else if (keyword == "confirm") {
        action = actionOf(ActionKind::Confirm, onOrOff(words));
    } else if (keyword == "title") {
        action = actionOf(ActionKind::Title, text == keyword ? -1 : onOrOff(words));
    } else {
        throw ScriptError("unknown command " + quoted(keyword));
    }
    words.end();
    return action;
}

}  // namespace kalvenor::script
