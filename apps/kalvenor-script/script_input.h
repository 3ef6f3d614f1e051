#pragma once

// The lines of a script, read one at a time: whatever the input, memory holds one line.

#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kalvenor::script {

// No line of the language is longer: a path after "file" has at most 4,096 bytes.
inline constexpr std::size_t maxLineBytes = 8192;

class ScriptInput {
  public:
    // The lines of `stream` (standard input, or a text in a test).
    explicit ScriptInput(std::istream& stream, std::string name = "standard input");
    // The lines of every file in order, as one script. Opens them all at once, so that a file that
    // cannot be read is reported before anything runs: throws ScriptError
    // "PATH: cannot open: REASON" with the system's reason.
    explicit ScriptInput(std::span<const std::string> paths);

    // The next line without its line feed; nullopt at the end of the last source. Throws
    // ScriptError for a line longer than maxLineBytes, a line that is not UTF-8 text (a NUL byte
    // or a malformed sequence) and a source that fails while it is read.
    std::optional<std::string> nextLine();
    // The number of the line read last (or refused), counted through all sources from 1.
    int lineNumber() const { return lineNumber_; }

  private:
    struct Source {
        std::unique_ptr<std::istream> owned;  // the files; null for a stream given
        std::istream* stream = nullptr;
        std::string name;
    };

    std::vector<Source> sources_;
    std::size_t current_ = 0;
    int lineNumber_ = 0;
    std::string buffer_;
};

}  // namespace kalvenor::script
