#include "script_input.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "records/file_result.h"
#include "records/utf8_path.h"
#include "script_line.h"

namespace kalvenor::script {

namespace {

// The length of the well-formed UTF-8 sequence that starts `text`, or 0 if none does (an
// overlong form, a surrogate, a code point beyond U+10FFFF, a stray or missing continuation).
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte, narrowed where the lead demands
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t index = 2; index < length; ++index) {
        if (byte(index) < 0x80 || byte(index) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// "PATH: cannot open: REASON", as the program reports every file it cannot use. The streams
// leave the system's reason in errno; when they leave none, the step alone is named.
ScriptError fileError(FileStep step, const std::string& path, int error) {
    const std::string reason =
        error != 0 ? std::generic_category().message(error) : "the system gave no reason";
    return ScriptError(FileError{step, pathFromUtf8(path), reason}.message());
}

bool isUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

}  // namespace

ScriptInput::ScriptInput(std::istream& stream, std::string name) {
    sources_.push_back({nullptr, &stream, std::move(name)});
}

ScriptInput::ScriptInput(std::span<const std::string> paths) {
    for (const std::string& path : paths) {
        std::error_code ignored;
        // A folder opens as a file on some systems and then fails to read: refused first.
        if (std::filesystem::is_directory(pathFromUtf8(path), ignored)) {
            throw fileError(FileStep::Open, path, EISDIR);
        }
        errno = 0;
        auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
        if (!*file) {
            throw fileError(FileStep::Open, path, errno);
        }
        std::istream* stream = file.get();
        sources_.push_back({std::move(file), stream, path});
    }
}

std::optional<std::string> ScriptInput::nextLine() {
    buffer_.resize(maxLineBytes + 1);  // getline stores a terminating NUL after the line
    for (; current_ < sources_.size(); ++current_) {
        Source& source = sources_[current_];
        std::istream& stream = *source.stream;
        errno = 0;
        stream.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        if (stream.bad()) {
            ++lineNumber_;
            throw fileError(FileStep::Read, source.name, errno);
        }
        const auto extracted = static_cast<std::size_t>(stream.gcount());
        if (extracted == 0 && stream.eof()) {
            continue;  // this source is done
        }
        ++lineNumber_;
        const bool tooLong = stream.fail() && !stream.eof();
        const bool endedByLineFeed = !stream.eof() && !tooLong;
        const std::string_view line(buffer_.data(), extracted - (endedByLineFeed ? 1 : 0));
        if (line.find('\0') != std::string_view::npos) {
            throw ScriptError("the script is not text: it holds a NUL byte");
        }
        if (tooLong) {
            throw ScriptError("the line is longer than " + std::to_string(maxLineBytes) + " bytes");
        }
        if (!isUtf8(line)) {
            throw ScriptError("the script is not text: it holds bytes that are not UTF-8");
        }
        return std::string(line);
    }
    return std::nullopt;
}

}  // namespace kalvenor::script
