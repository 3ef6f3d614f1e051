#pragma once

// Runs a script against the real game on the headless backend.

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "script_input.h"

namespace kalvenor::script {

// Exit statuses of the driver.
inline constexpr int kScriptFailed = 2;

// Opens a main window, runs every line of `input` against it, writing the requested outputs and
// the prompts shown to `out`, then closes the window. A line that cannot run is reported on `err`
// as "error: line N: REASON" and ends the run with kScriptFailed; nothing after it runs. Otherwise
// the result is the exit code the program posted (0).
// With `echo`, every line read is first written to `out` as "> LINE", so that the output reads as a
// transcript with each line's output below it.
// With `stateFolder`, the game kept there comes back first and every change is kept there, as
// the desktop program does.
int runScript(ScriptInput& input, std::ostream& out, std::ostream& err, bool echo = false,
              const std::optional<std::filesystem::path>& stateFolder = std::nullopt);
int runScript(std::istream& input, std::ostream& out, std::ostream& err, bool echo = false,
              const std::optional<std::filesystem::path>& stateFolder = std::nullopt);

}  // namespace kalvenor::script
