#pragma once

// A main window on the headless backend with its session, for the tests of the window, the views
// and the new game. The record goes to a file of the test's own, never to the working directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/session.h"
#include "platform/headless/headless.h"
#include "ui/main_window.h"

namespace kalvenor::testing_support {

namespace headless = platform::headless;

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        recordPath_ = std::filesystem::temp_directory_path() /
                      ("kalvenor-ui-" + std::string(info->test_suite_name()) + "-" + info->name() + ".txt");
        std::filesystem::remove(recordPath_);
        session.record = GameRecordFile(recordPath_);
        window = openMainWindow(session);
    }
    ~WindowTest() override {
        if (session.window != nullptr) {
            platform::destroyMainWindow(session.window);
        }
        std::filesystem::remove(recordPath_);
    }

    void command(int id) { headless::sendMenuCommand(window, id); }
    void answer(platform::MessageBoxResult result) { headless::queueMessageBoxAnswer(window, result); }
    // A game against the computer, after answering who moves first.
    void startAgainstCpu(int id, bool personFirst) {
        answer(personFirst ? platform::MessageBoxResult::Yes : platform::MessageBoxResult::No);
        command(id);
    }

    std::string text(platform::ControlHandle control) const { return headless::record(control).text; }
    std::string info(int slot) const { return text(session.view.infoLabels.at(slot)); }
    std::string cellText(int slot) const { return text(session.view.cellButtons.at(slot)); }
    platform::Rect rectOf(platform::ControlHandle control) const { return headless::record(control).rect; }
    platform::ControlHandle trackBar(int k) const { return axisGroup(session.view, k).trackBar; }
    std::string trackValue(int k) const { return text(axisGroup(session.view, k).value); }

    const std::filesystem::path& recordPath() const { return recordPath_; }

    Session session;
    platform::WindowHandle window = nullptr;

  private:
    std::filesystem::path recordPath_;
};

}  // namespace kalvenor::testing_support
