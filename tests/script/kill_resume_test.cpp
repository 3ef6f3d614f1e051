// kalvenor-script --state DIR killed (SIGKILL) at random moments of a scripted game, again and
// again: every restart brings back a game the script had at some point, with its counters, or
// nothing when nothing was kept yet; never a broken one. KALVENOR_KILLS sets how many kills (30
// by default, which keeps the sanitizer suite quick; the plain build's checks run 200).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "script_run.h"

extern char** environ;

namespace kalvenor::script {
namespace {

namespace fs = std::filesystem;

// Two people on three axes, on 32 cells whose coordinates are all 0..3 (no line of five fits there),
// with take-backs and redos between: more changed cells than one base holds, so the base moves
// from slot to slot while the game goes on.
std::string gameScript() {
    std::string script = "command 104\n";
    int move = 0;
    for (int z = 0; z < 2; ++z) {
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                script += "click cell " + std::to_string(x + 8 * y + 64 * z) + "\n";
                if (++move % 8 == 0) {
                    script += "take back\ntake back\nredo\n";
                }
            }
        }
    }
    return script;
}

// Every "state" and "board" the game had, one string each: what a restart may show.
std::set<std::string> positionsOf(const std::string& script) {
    std::string everyStep;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        everyStep += line + "\nstate\nboard\n";
    }
    const std::string out = runText(everyStep).out;
    std::set<std::string> positions;
    for (std::size_t start = out.find("dimension="); start != std::string::npos;) {
        const std::size_t next = out.find("dimension=", start + 1);
        positions.insert(out.substr(start, next == std::string::npos ? std::string::npos : next - start));
        start = next;
    }
    return positions;
}

pid_t spawnScript(const fs::path& stateFolder, const fs::path& script, const fs::path& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, (output.string() + ".err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string program = KALVENOR_SCRIPT_PROGRAM;
    const std::string folder = stateFolder.string();
    const std::string file = script.string();
    char* arguments[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--state"),
                         const_cast<char*>(folder.c_str()), const_cast<char*>(file.c_str()), nullptr};
    pid_t child = -1;
    EXPECT_EQ(posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

int waitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(KillAndResume, EveryRestartAfterAKillBringsBackAGameTheScriptHad) {
    const fs::path folder = fs::temp_directory_path() / ("kalvenor-kill-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path game = folder / "game.txt";
    const fs::path look = folder / "look.txt";
    std::ofstream(game) << gameScript();
    std::ofstream(look) << "state\nboard\n";
    const std::set<std::string> positions = positionsOf(gameScript());

    // How long one whole run takes here, to kill within it.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(waitFor(spawnScript(folder / "state", game, folder / "out")), 0)
        << fileText(folder / "out.err");
    const auto runTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

    const char* named = std::getenv("KALVENOR_KILLS");
    const int kills = named != nullptr ? std::atoi(named) : 30;
    std::mt19937 random(20261209);
    int resumed = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = spawnScript(folder / "state", game, folder / "out");
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<std::int64_t>(0, runTime.count())(random)));
        ::kill(child, SIGKILL);
        waitFor(child);

        const int status = waitFor(spawnScript(folder / "state", look, folder / "look"));
        const std::string shown = fileText(folder / "look");
        ASSERT_EQ(fileText(folder / "look.err").find("set aside"), std::string::npos)
            << "kill " << kill << ": " << fileText(folder / "look.err");
        if (shown.starts_with("dimension=0")) {
            continue;  // killed before anything was kept: the start screen
        }
        ASSERT_EQ(WEXITSTATUS(status), 0) << fileText(folder / "look.err");
        ASSERT_TRUE(positions.contains(shown)) << "kill " << kill << " left a game the script never had:\n"
                                               << shown;
        ++resumed;
    }
    EXPECT_GT(resumed, kills / 2) << "most kills come after the first move was kept";
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kalvenor::script
