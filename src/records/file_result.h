#pragma once

// How every file operation of the program reports: success, or which step failed, on which file
// and why, in words a person can read. Nothing is thrown; every caller reads the result.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "records/utf8_path.h"

namespace kalvenor {

enum class FileStep {
    Open,     // the file could not be opened
    Create,   // no new file could be made in the folder
    Read,     // reading an opened file
    Write,    // writing, flushing or closing an opened file
    Replace,  // putting the new file in the old one's place
    Check,    // the file was read, but it is not what it should be
};

struct FileError {
    FileStep step = FileStep::Open;
    std::filesystem::path path;
    std::string reason;  // the system's message, or what is wrong with the file

    // What failed and why, without the path: "cannot open: Permission denied". A Check failure
    // is its reason alone ("not a saved game: ...").
    std::string summary() const {
        switch (step) {
            case FileStep::Open:
                return "cannot open: " + reason;
            case FileStep::Create:
                return "cannot create a file in its folder: " + reason;
            case FileStep::Read:
                return "cannot read: " + reason;
            case FileStep::Write:
                return "cannot write: " + reason;
            case FileStep::Replace:
                return "cannot replace: " + reason;
            case FileStep::Check:
                break;
        }
        return reason;
    }

    // The path, then the summary: "x.gd: cannot write: No space left on device".
    std::string message() const { return utf8FromPath(path) + ": " + summary(); }
};

// Success, or what failed.
class [[nodiscard]] FileResult {
  public:
    FileResult() = default;
    FileResult(FileError error) : error_(std::move(error)) {}  // implicit: `return FileError{...}`

    bool ok() const { return !error_.has_value(); }
    // Only when !ok().
    const FileError& error() const { return *error_; }

  private:
    std::optional<FileError> error_;
};

// What was read from a file, or what failed.
template <typename Value>
class [[nodiscard]] FileValue {
  public:
    FileValue(Value value) : content_(std::move(value)) {}      // implicit: `return value`
    FileValue(FileError error) : content_(std::move(error)) {}  // implicit: `return FileError{...}`

    bool ok() const { return std::holds_alternative<Value>(content_); }
    // Only when ok().
    const Value& value() const { return std::get<Value>(content_); }
    Value& value() { return std::get<Value>(content_); }
    // Only when !ok().
    const FileError& error() const { return std::get<FileError>(content_); }

  private:
    std::variant<Value, FileError> content_;
};

}  // namespace kalvenor
