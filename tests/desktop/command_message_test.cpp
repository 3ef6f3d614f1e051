// The one-line command message: what is accepted, what is refused, and why.

#include "command_message.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace kalvenor {
namespace {

int acceptedId(std::string_view received) {
    const ParsedMessage parsed = parseCommandMessage(received);
    const auto* request = std::get_if<CommandRequest>(&parsed);
    return request != nullptr ? request->commandId : -1;
}

bool isRejected(std::string_view received) {
    return std::holds_alternative<RejectedMessage>(parseCommandMessage(received));
}

TEST(CommandMessage, AcceptsOneDecimalIdOnALine) {
    EXPECT_EQ(acceptedId("121\n"), 121);
    EXPECT_EQ(acceptedId("1\n"), 1);
    EXPECT_EQ(acceptedId("65535\n"), 65535);
    EXPECT_EQ(acceptedId("150\r\n"), 150);
    EXPECT_EQ(acceptedId("000254\n"), 254);
}

TEST(CommandMessage, WaitsForTheNewline) {
    EXPECT_TRUE(std::holds_alternative<IncompleteMessage>(parseCommandMessage("")));
    EXPECT_TRUE(std::holds_alternative<IncompleteMessage>(parseCommandMessage("12")));
    EXPECT_TRUE(std::holds_alternative<IncompleteMessage>(parseCommandMessage(std::string(63, '1'))));
}

TEST(CommandMessage, RefusesWhatIsNotADecimalIdInRange) {
    for (const char* bad : {"\n", "\r\n", "abc\n", "12a\n", "-5\n", "+5\n", " 121\n", "121 \n", "1.5\n",
                            "0x79\n", "0\n", "65536\n", "4294967417\n", "99999999999999999999999\n"}) {
        EXPECT_TRUE(isRejected(bad)) << bad;
    }
}

TEST(CommandMessage, RefusesOverlongAndRunOnMessages) {
    EXPECT_TRUE(isRejected(std::string(64, '1')));               // no newline within 64 bytes
    EXPECT_TRUE(isRejected(std::string(64, '0') + "\n"));        // 65 bytes with the newline
    EXPECT_EQ(acceptedId(std::string(60, '0') + "121\n"), 121);  // exactly 64
    EXPECT_TRUE(isRejected("121\n122\n"));
    EXPECT_TRUE(isRejected("121\nx"));
    EXPECT_TRUE(
        isRejected(std::string("12\0"
                               "1\n",
                               5)));
}

TEST(CommandMessage, RepliesAreOneLine) {
    EXPECT_TRUE(isOkReply(okReply()));
    const std::string error = errorReply(std::get<RejectedMessage>(parseCommandMessage("x\n")).reason);
    EXPECT_TRUE(error.starts_with("error: "));
    EXPECT_TRUE(error.ends_with("\n"));
    EXPECT_EQ(error.find('\n'), error.size() - 1);
    EXPECT_FALSE(isOkReply(error));
    EXPECT_FALSE(isOkReply(unterminatedMessage().reason));
}

#ifndef _WIN32
TEST(CommandMessage, TheSocketLivesInTheRuntimeFolderOrAPrivateOneUnderTmp) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    CommandSocketLocation location = commandSocketLocation();
    EXPECT_EQ(location.folder, "/run/user/1234");
    EXPECT_EQ(location.socket.parent_path(), location.folder);
    EXPECT_FALSE(location.folderIsOurs);

    ::setenv("XDG_RUNTIME_DIR", "relative/dir", 1);  // not usable: ignored
    location = commandSocketLocation();
    EXPECT_TRUE(location.folderIsOurs);
    EXPECT_EQ(location.folder, "/tmp/kalvenor-" + std::to_string(::getuid()));
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(commandSocketLocation().folderIsOurs);

    if (saved != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
    }
}
#endif

}  // namespace
}  // namespace kalvenor
