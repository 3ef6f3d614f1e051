#pragma once

// The record of a two-person game on two axes with its one timestamp line replaced by the marker
// the golden files carry, so that records written at different times compare byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "records/cp932.h"

namespace kalvenor::test {

inline std::string maskTimestamp(std::string record) {
    const std::string hyphens = "-------------------------------\r\n";
    const std::size_t heading = record.find(*encodeCp932(" ２次元：対人戦\r\n"));
    EXPECT_NE(heading, std::string::npos) << "no game heading in the record";
    if (heading == std::string::npos) {
        return record;
    }
    const std::size_t begin = record.find('\n', heading) + 1;
    const std::size_t end = record.find(hyphens, begin);
    EXPECT_NE(end, std::string::npos) << "no line of hyphens after the timestamp";
    if (end == std::string::npos) {
        return record;
    }
    return record.replace(begin, end - begin, "TIMESTAMP\r\n");
}

}  // namespace kalvenor::test
