#pragma once

// The desktop program's remembered settings: string values under keys such as "computer/level",
// in a small INI file (the layout Qt's own settings used, so earlier files keep their meaning).
// The file gets the care of a saved game: only a regular file (or none) is read, a change is
// written to a temporary file and renamed into place, and nothing but a regular file we may write
// is ever replaced. A failure is said once and the program goes on with the defaults.

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "records/file_result.h"

namespace kalvenor {

// Key ("group/name", or a plain name) to value.
using SettingValues = std::map<std::string, std::string, std::less<>>;

// The file's text and back; lines that are neither a [group] nor a key=value are skipped.
SettingValues parseSettings(std::string_view text);
std::string formatSettings(const SettingValues& values);

class SettingsFile {
  public:
    // `say` hears each different failure once.
    SettingsFile(std::filesystem::path path, std::function<void(const std::string&)> say);

    const std::filesystem::path& path() const { return path_; }

    // The stored value, or `fallback` when there is none or the file cannot be read.
    std::string value(std::string_view key, std::string_view fallback);
    // Stores the value beside the others the file holds now; on failure the file stays as it was.
    void store(std::string_view key, std::string_view value);

  private:
    void sayOnce(const std::string& message);

    std::filesystem::path path_;
    std::function<void(const std::string&)> say_;
    std::set<std::string> said_;
};

// Far more than any settings the program writes: a longer file is not ours.
inline constexpr std::size_t kLongestSettingsFile = 64 * 1024;
FileError settingsTooLong(const std::filesystem::path& path);
// Makes the folder that is to hold `file`, where it is missing.
FileResult makeFolderFor(const std::filesystem::path& file);

// Written once per system (settings_file_posix.cpp, settings_file_win32.cpp):
// What the file holds now (nothing when there is no file), or why it cannot be read.
FileValue<SettingValues> readSettingsFile(const std::filesystem::path& path);
// Writes every value in place of the file; refuses what is not a regular file we may write.
FileResult writeSettingsFile(const std::filesystem::path& path, const SettingValues& values);

}  // namespace kalvenor
