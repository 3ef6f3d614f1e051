// The remembered settings' file: what it reads and writes, and what it never touches.

#include "settings_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <string>
#include <vector>

#include "records/temp_folder.h"

namespace kalvenor {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::writeFileBytes;

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFile settingsAt(const fs::path& path) {
        return SettingsFile(path, [this](const std::string& message) { said_.push_back(message); });
    }

    // Stores a value at a path where nothing may be replaced: the level is not remembered, the
    // failure is said once however often it is tried, and the path is still what it was.
    void expectRefused(const fs::path& path, const std::string& why) {
        SettingsFile settings = settingsAt(path);
        settings.store("computer/level", "strong");
        settings.store("computer/level", "strong");
        EXPECT_EQ(settings.value("computer/level", "standard"), "standard");
        ASSERT_FALSE(said_.empty());
        EXPECT_NE(said_.front().find(why), std::string::npos) << said_.front();
        for (std::size_t i = 1; i < said_.size(); ++i) {
            EXPECT_NE(said_[i], said_.front());
        }
        EXPECT_LE(said_.size(), 2u);  // at most the failed write and the failed read
    }

    testing::TempFolder folder_;
    std::vector<std::string> said_;
};

TEST_F(SettingsFileTest, KeepsEveryKeyAndReadsTheLayoutQtWrote) {
    const fs::path path = folder_ / "kalvenor" / "kalvenor.conf";
    SettingsFile settings = settingsAt(path);
    EXPECT_EQ(settings.value("computer/level", "standard"), "standard");  // no file, no folder yet

    settings.store("computer/level", "strong");
    settings.store("view/large", "on");
    settings.store("window", " a \"quoted\" \\ line\nand another; ");
    EXPECT_EQ(settings.value("computer/level", ""), "strong");
    EXPECT_EQ(settings.value("view/large", ""), "on");
    EXPECT_EQ(settings.value("window", ""), " a \"quoted\" \\ line\nand another; ");
    EXPECT_EQ(fileBytes(path),
              "[computer]\nlevel=strong\n\n[view]\nlarge=on\n\n"
              "[General]\nwindow=\" a \\\"quoted\\\" \\\\ line\\nand another; \"\n");

    writeFileBytes(path, "[General]\nx=1\n\n[computer]\r\nlevel = standard\r\n; a comment\nnonsense\n");
    EXPECT_EQ(settings.value("computer/level", "strong"), "standard");
    EXPECT_EQ(settings.value("x", ""), "1");
    EXPECT_TRUE(said_.empty());
}

TEST_F(SettingsFileTest, ReadsAndReplacesOnlyARegularFileWeMayWrite) {
    const fs::path folder = folder_ / "folder.conf";
    fs::create_directory(folder);
    expectRefused(folder, "it is a folder");
    EXPECT_TRUE(fs::is_directory(folder));

    said_.clear();
    const fs::path readOnly = folder_ / "read-only.conf";
    writeFileBytes(readOnly, "[computer]\nlevel=standard\n");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    expectRefused(readOnly, "write-protected");
    EXPECT_EQ(fileBytes(readOnly), "[computer]\nlevel=standard\n");
}

#ifndef _WIN32
TEST_F(SettingsFileTest, NeitherWaitsOnAPipeNorLosesALink) {
    const fs::path fifo = folder_ / "fifo.conf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectRefused(fifo, "a device or a pipe");  // never waits for a writer
    EXPECT_TRUE(fs::is_fifo(fifo));

    said_.clear();
    const fs::path linkToFifo = folder_ / "link-to-fifo.conf";
    fs::create_symlink(fifo, linkToFifo);
    expectRefused(linkToFifo, "a device or a pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A link of our own is followed to the file it names, and stays a link.
    said_.clear();
    const fs::path named = folder_ / "named.conf";
    const fs::path link = folder_ / "link.conf";
    fs::create_symlink(named, link);
    settingsAt(link).store("computer/level", "strong");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileBytes(named), "[computer]\nlevel=strong\n");
    EXPECT_TRUE(said_.empty());
}

// What only a program run as root could harm: a link another user planted, a device node.
TEST_F(SettingsFileTest, RunAsRootNeitherFollowsAnotherUsersLinkNorReplacesADevice) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root";
    }
    const fs::path precious = folder_ / "precious";
    writeFileBytes(precious, "keep me\n");
    const fs::path link = folder_ / "planted.conf";
    fs::create_symlink(precious, link);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);
    expectRefused(link, "a symbolic link of another user");
    EXPECT_EQ(fileBytes(precious), "keep me\n");

    said_.clear();
    const fs::path device = folder_ / "device.conf";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "no device nodes here";
    }
    expectRefused(device, "a device or a pipe");
    EXPECT_TRUE(fs::is_character_file(device));
}

#endif

}  // namespace
}  // namespace kalvenor
